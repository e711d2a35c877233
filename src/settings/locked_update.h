// Updating a settings file that several programs on one work directory update: each update holds
// the file's lock while it reads the file as it is on disk, changes it and writes it, so that no
// program writes over a change it has not read.
#pragma once

#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "settings/ini_file.h"

namespace zor06::settings {

// Updates take milliseconds; a lock held longer belongs to a program that hangs.
inline constexpr std::chrono::seconds kLockPatience{10};

// "conn.ini.lock" beside "conn.ini".
std::filesystem::path LockFileOf(const std::filesystem::path& path);

// The sections to write into the file as it is now; none, with the reason, to write nothing.
using IniChange =
    std::function<std::optional<std::vector<IniSection>>(const IniFile& onDisk, std::string*)>;

// Under the file's lock: reads it (a missing file reads empty), writes the sections `change`
// makes of it into it and replaces it atomically. False with `reason` when the lock, the reading,
// the change or the writing fails; the file is then as it was.
bool UpdateLocked(const std::filesystem::path& path, const IniChange& change, std::string* reason);

}  // namespace zor06::settings
