// An exclusive advisory lock (flock) that makes programs updating the same file take turns. It is
// taken on a lock file beside the file, never on the file itself: a file replaced by a rename has
// a new inode, and a lock on the old one would keep no one out.
#pragma once

#include <chrono>
#include <filesystem>
#include <string>

namespace zor06::platform {

class ExclusiveFileLock {
public:
    enum class State {
        Held,
        Busy,    // another holder kept it longer than the patience
        Failed,  // the lock file cannot be opened or locked; Failure() says why
    };

    // Makes the lock file when it is missing (never through a symbolic link) and keeps it, since
    // a removed lock file would let the next two programs lock two different files. Waits up to
    // `patience` for another holder to let go.
    ExclusiveFileLock(const std::filesystem::path& lockFile, std::chrono::milliseconds patience);
    ~ExclusiveFileLock();  // lets go
    ExclusiveFileLock(const ExclusiveFileLock&) = delete;
    ExclusiveFileLock& operator=(const ExclusiveFileLock&) = delete;

    State Status() const { return state_; }
    const std::string& Failure() const { return failure_; }

private:
    int fd_ = -1;
    State state_ = State::Failed;
    std::string failure_;
};

}  // namespace zor06::platform
