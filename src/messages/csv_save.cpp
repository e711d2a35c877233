#include "messages/csv_save.h"

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
    return files::SaveChosenData(choice, kCsvExtension, csv, {"Ошибка записи файла", true, true},
                                 op);
}

}  // namespace zor06::messages
