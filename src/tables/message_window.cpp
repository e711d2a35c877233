#include "tables/message_window.h"

namespace zor06::tables {
namespace {

constexpr std::string_view kArchiveDatesLine1 = "За время работы оператора изменились даты";
constexpr std::string_view kArchiveDatesLine2 = "самой старой  и последней записей в архиве.";

}  // namespace

MessageLayout LayoutMessage(int kind, std::string_view text1, std::string_view text2) {
    MessageLayout m;
    m.lines = {std::string(text1), std::string(text2), ""};
    switch (kind) {
        case 0:
            m.lines = {"Нет связи с устройством.", "Попробуйте установить параметры связи", ""};
            break;
        case 1:
            m.caption = "Ошибка";
            break;
        case 2:
            m.caption = "Ошибка ввода параметров";
            break;
        case 3:
            m.question = true;
            break;
        case 4:
            m.lines[2] = "(см. текущее состояние контроллера)";
            break;
        case 5:
            m.caption = "Результат обмена с устройством";
            break;
        case 7:
            m.lines[2] = "Повторить попытку?";
            m.question = true;
            break;
        case 8:
            m.lines[2] = "Создавать суточный отчет?";
            m.question = true;
            break;
        case 9:
        case 10:
            m.lines = {std::string(kArchiveDatesLine1), std::string(kArchiveDatesLine2),
                       std::string(text1)};
            m.question = kind == 10;
            break;
        case 11:
            m.lines[2] = "Суточный сертификат не может быть создан";
            break;
        default:
            break;
    }
    return m;
}

}  // namespace zor06::tables
