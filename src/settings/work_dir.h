// The directory the program works in: the settings files in its INI subdirectory, saved data and
// reports beside them.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace zor06::settings {

inline constexpr std::array<const char*, 8> kWorkSubdirs{
    "CONFIG", "ALAFILES", "AUDFILES", "MOMDATA", "HOURDATA", "DAYDATA", "REPORT", "INI"};

// $XDG_DATA_HOME/zor06 when that is an absolute path, else $HOME/.local/share/zor06; none when
// neither is known. Null pointers stand for unset variables.
std::optional<std::filesystem::path> DefaultWorkDir(const char* xdgDataHome, const char* home);

// Creates the directory (`requested`, or the default from the environment when it is empty) and
// its subdirectories where missing. Returns the directory, or none with `error` saying what could
// not be made.
std::optional<std::filesystem::path> PrepareWorkDir(const std::filesystem::path& requested,
                                                    std::string* error);

inline std::filesystem::path IniDir(const std::filesystem::path& workDir) {
    return workDir / "INI";
}

}  // namespace zor06::settings
