// Whole-file reading, and replacing a file so that no reader ever sees it half written.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace zor06::settings {

enum class ReadStatus {
    Read,
    Missing,  // no such file: the caller uses its defaults
    Failed,   // it is there but cannot be read
};

// Reads the whole file into `bytes`; on Failed, `error` tells why.
ReadStatus ReadWholeFile(const std::filesystem::path& path, std::string* bytes, std::string* error);

// Writes `bytes` to a new file beside `path` and renames it over `path`. On failure the old file
// is left as it was, the temporary file is removed and `error` tells why.
bool WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         std::string* error);

}  // namespace zor06::settings
