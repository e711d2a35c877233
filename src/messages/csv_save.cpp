#include "messages/csv_save.h"

#include "text/text_format.h"

namespace zor06::messages {
namespace {

constexpr char kSaveTitle[] = "Введите имя файла для сохранения данных";

}  // namespace

std::string CsvFileName(const std::filesystem::path& savedName) {
    return std::filesystem::path(savedName).replace_extension(kCsvExtension).string();
}

bool SaveCsvFile(std::string_view csv, const std::filesystem::path& dir,
                 const std::string& proposedName, dialogue::Operator& op) {
    const dialogue::FileChoice choice{kSaveTitle, dir, std::string("*") + kCsvExtension,
                                      dir / proposedName};
    const auto target = config::ChooseSaveTarget(choice, kCsvExtension, op);
    if (!target) {
        return false;
    }
    std::string reason;
    if (!config::WriteChosenFile(*target, csv, op, &reason)) {
        op.ShowMessage(dialogue::MessageKind::Error,
                       "Ошибка записи файла " + target->filename().string(), reason);
        return false;
    }
    op.ShowMessage(
        dialogue::MessageKind::Info,
        text::Printf("Данные сохранены в файле %s.", target->filename().string().c_str()), "");
    return true;
}

}  // namespace zor06::messages
