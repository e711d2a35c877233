// Whole-file reading, and replacing a file so that no reader ever sees it half written and a
// crash or power loss right after the replacement still finds the new file.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zor06::platform {

enum class ReadStatus {
    Read,
    Missing,  // no such file: the caller uses its defaults
    Failed,   // it is there but cannot be read
};

// Reads the whole file into `bytes`; on Failed, `reason` is the system's text of why.
ReadStatus ReadWholeFile(const std::filesystem::path& path, std::string* bytes,
                         std::string* reason);

// Writes `bytes` to a new file beside `path`, flushes it to the disk and renames it over `path`,
// then flushes the directory. A symbolic link stays a link and the file it points to is replaced.
// On failure the old file is left as it was, the temporary file is removed and `reason` is the
// system's text of why.
// Usual: a file that exists keeps its permissions, a new one gets the usual ones. OwnerOnly, for
// files holding secrets: the file is its owner's only (0600) from its creation on, whatever the
// replaced file allowed; `narrowed` (when given) tells whether the replaced file was open to
// others.
enum class NewFile { Usual, OwnerOnly };
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* reason, NewFile newFile = NewFile::Usual,
                         bool* narrowed = nullptr);

}  // namespace zor06::platform
