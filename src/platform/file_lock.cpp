#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>
#include <thread>

namespace zor06::platform {
namespace {

constexpr std::chrono::milliseconds kRetryStep{10};

}  // namespace

ExclusiveFileLock::ExclusiveFileLock(const std::filesystem::path& lockFile,
                                     std::chrono::milliseconds patience) {
    // Read access is enough for flock, so that users who share the work directory share its
    // lock files too; O_NONBLOCK keeps a FIFO left at the name from holding the open.
    fd_ = ::open(lockFile.c_str(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC,
                 S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH);
    int error = errno;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    while (fd_ >= 0) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            state_ = State::Held;
            return;
        }
        error = errno;
        const auto now = std::chrono::steady_clock::now();
        if ((error != EWOULDBLOCK && error != EINTR) || now >= deadline) {
            break;
        }
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(kRetryStep, deadline - now));
    }
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
    state_ = error == EWOULDBLOCK ? State::Busy : State::Failed;
    failure_ = std::error_code(error, std::generic_category()).message();
}

ExclusiveFileLock::~ExclusiveFileLock() {
    if (fd_ >= 0) {
        ::close(fd_);  // closing the only descriptor of the open file lets the lock go
    }
}

}  // namespace zor06::platform
