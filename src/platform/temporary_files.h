// Temporary folders and files of this process under $TMPDIR (else /tmp): names nobody can guess
// or make beforehand, for this user only, removed when they are destroyed and, with
// RemoveTemporariesOnEndingSignals, when a signal ends the process.
#pragma once

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/signal_cleanup.h"

namespace zor06::platform {

// "PREFIX-XXXXXX" with mode 0700, removed with everything in it.
class TemporaryFolder {
public:
    // `contents`: the names of the files that will be made in it, which a signal removes too.
    TemporaryFolder(std::string_view prefix, std::initializer_list<std::string_view> contents);
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    // Empty when the folder could not be made; then Failure() says why.
    const std::filesystem::path& Path() const { return path_; }
    const std::string& Failure() const { return failure_; }

private:
    std::filesystem::path path_;
    std::string failure_;
    std::vector<RemovedOnSignal> removals_;
};

// "PREFIX-XXXXXXSUFFIX", made empty with mode 0600 for another library to write by its name.
class TemporaryFile {
public:
    TemporaryFile(std::string_view prefix, std::string_view suffix);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    // Empty when the file could not be made; then Failure() says why.
    const std::filesystem::path& Path() const { return path_; }
    const std::string& Failure() const { return failure_; }

private:
    std::filesystem::path path_;
    std::string failure_;
    std::optional<RemovedOnSignal> removal_;
};

}  // namespace zor06::platform
