#include "settings/locked_update.h"

#include "platform/file_lock.h"

namespace zor06::settings {

std::filesystem::path LockFileOf(const std::filesystem::path& path) {
    std::filesystem::path lockFile = path;
    lockFile += ".lock";
    return lockFile;
}

bool UpdateLocked(const std::filesystem::path& path, const IniChange& change, std::string* reason) {
    const std::filesystem::path lockFile = LockFileOf(path);
    const platform::ExclusiveFileLock lock(lockFile, kLockPatience);
    switch (lock.Status()) {
        case platform::ExclusiveFileLock::State::Held:
            break;
        case platform::ExclusiveFileLock::State::Busy:
            *reason = "его обновляет другая программа: " + lockFile.string() + " занят дольше " +
                      std::to_string(kLockPatience.count()) + " с";
            return false;
        case platform::ExclusiveFileLock::State::Failed:
            *reason = lock.Failure();
            return false;
    }
    // A file that cannot be read is not written either: a copy made of defaults would replace it.
    std::optional<IniFile> ini = LoadIniFile(path, reason);
    if (!ini) {
        return false;
    }
    const std::optional<std::vector<IniSection>> sections = change(*ini, reason);
    if (!sections) {
        return false;
    }
    for (const IniSection& section : *sections) {
        ini->WriteSection(section);
    }
    return SaveIniFile(path, *ini, reason);
}

}  // namespace zor06::settings
