// Saving to a file the operator chooses: the name it resolves to, the question before an
// existing file is replaced, the atomic write and what the operator is told afterwards.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "dialogue/file_choice.h"
#include "dialogue/operator.h"

namespace zor06::files {

struct SaveTarget {
    std::filesystem::path path;
    bool askOverwrite = false;  // "Файл %s уже есть." / "Вы хотите заменить существующий файл?"
};

// The file a chosen name saves to: a name without an extension gets `extension` before it is
// looked up, so that "abc" never silently replaces "abc.cnf"; the proposed name is used without
// asking.
SaveTarget ResolveSaveName(const std::filesystem::path& chosen,
                           const std::filesystem::path& proposed, std::string_view extension);

// Asks for the file to save to until the operator chooses one that may be written: a name
// without an extension gets `extension`, and another existing file than the proposed one is
// replaced only after "Файл %s уже есть." / "Вы хотите заменить существующий файл?" ("Нет" asks
// again). None when cancelled.
std::optional<std::filesystem::path> ChooseSaveTarget(const dialogue::FileChoice& choice,
                                                      std::string_view extension,
                                                      dialogue::Operator& op);

// Writes `bytes` atomically to a file the operator chose, under the busy cursor, making its folder
// when it is missing; false with `reason` set when the write failed.
bool WriteChosenFile(const std::filesystem::path& target, std::string_view bytes,
                     dialogue::Operator& op, std::string* reason);

// What a failed save shows as an Error: `text`, followed by the file's name with `withName`, and
// the write's reason as the second line with `withReason`.
struct SaveFailure {
    std::string text;
    bool withName = false;
    bool withReason = true;
};

// ChooseSaveTarget, WriteChosenFile, then "Данные сохранены в файле NAME." or the failure. False
// when cancelled or the write failed.
bool SaveChosenData(const dialogue::FileChoice& choice, std::string_view extension,
                    std::string_view bytes, const SaveFailure& failure, dialogue::Operator& op);

}  // namespace zor06::files
