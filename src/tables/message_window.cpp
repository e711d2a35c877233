#include "tables/message_window.h"

namespace zor06::tables {
namespace {

constexpr std::string_view kArchiveDatesLine1 = "За время работы оператора изменились даты";
constexpr std::string_view kArchiveDatesLine2 = "самой старой  и последней записей в архиве.";

}  // namespace

MessageLayout LayoutMessage(dialogue::MessageKind kind, std::string_view text1,
                            std::string_view text2) {
    MessageLayout m;
    m.lines = {std::string(text1), std::string(text2), ""};
    switch (kind) {
        case dialogue::MessageKind::NoConnection:
            m.lines = {"Нет связи с устройством.", "Попробуйте установить параметры связи", ""};
            break;
        case dialogue::MessageKind::Error:
            m.caption = "Ошибка";
            break;
        case dialogue::MessageKind::InputError:
            m.caption = "Ошибка ввода параметров";
            break;
        case dialogue::MessageKind::Question:
            m.question = true;
            break;
        case dialogue::MessageKind::SeeControllerState:
            m.lines[2] = "(см. текущее состояние контроллера)";
            break;
        case dialogue::MessageKind::ExchangeResult:
            m.caption = "Результат обмена с устройством";
            break;
        case dialogue::MessageKind::Retry:
            m.lines[2] = "Повторить попытку?";
            m.question = true;
            break;
        case dialogue::MessageKind::DailyReport:
            m.lines[2] = "Создавать суточный отчет?";
            m.question = true;
            break;
        case dialogue::MessageKind::ArchiveDatesChanged:
        case dialogue::MessageKind::ArchiveDatesQuestion:
            m.lines = {std::string(kArchiveDatesLine1), std::string(kArchiveDatesLine2),
                       std::string(text1)};
            m.question = kind == dialogue::MessageKind::ArchiveDatesQuestion;
            break;
        case dialogue::MessageKind::NoDailyCertificate:
            m.lines[2] = "Суточный сертификат не может быть создан";
            break;
        case dialogue::MessageKind::Info:
            break;
    }
    return m;
}

}  // namespace zor06::tables
