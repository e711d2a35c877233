// "Сохранить в CSV" of the message and data views: the file the operator chooses (".csv" added
// to a name without extension, an existing file replaced only after the question), written
// atomically, and the message that follows.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "dialogue/operator.h"
#include "files/save_as.h"

namespace zor06::messages {

inline constexpr char kCsvExtension[] = ".csv";

// A saved file's proposed name with ".csv" in place of its extension.
std::string CsvFileName(const std::filesystem::path& savedName);

// Proposes `dir`/`proposedName`. False when cancelled or the write failed (already shown).
bool SaveCsvFile(std::string_view csv, const std::filesystem::path& dir,
                 const std::string& proposedName, dialogue::Operator& op);

}  // namespace zor06::messages
