#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <system_error>

namespace zor06::platform {
namespace {

namespace fs = std::filesystem;

constexpr int kTemporaryNameTries = 16;
constexpr int kLinkHops = 40;  // as the kernel allows before ELOOP

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

std::string Reason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

bool Fail(std::string* reason, int error) {
    *reason = Reason(error);
    return false;
}

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    // close() reports what a full disk or a network file system kept back until then.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// The file a write to `path` replaces: `path` itself, or the end of its chain of symbolic links
// (which need not exist yet).
bool ResolveLinks(const fs::path& path, fs::path* target, std::string* reason) {
    fs::path current = path;
    for (int hop = 0; hop <= kLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0) {
            if (errno != ENOENT) {
                return Fail(reason, errno);
            }
            *target = current;
            return true;
        }
        if (!S_ISLNK(info.st_mode)) {
            *target = current;
            return true;
        }
        std::error_code ec;
        const fs::path next = fs::read_symlink(current, ec);
        if (ec) {
            *reason = ec.message();
            return false;
        }
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return Fail(reason, ELOOP);
}

// The permission bits of the file being replaced; none for a new file.
bool ExistingMode(const fs::path& target, std::optional<mode_t>* mode, std::string* reason) {
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            return Fail(reason, errno);
        }
        mode->reset();
        return true;
    }
    *mode = info.st_mode & 07777;
    return true;
}

// Creates a file that did not exist (O_EXCL), so that two writers never share one, with `mode`
// from the start.
Descriptor CreateTemporary(const fs::path& target, mode_t mode, fs::path* temporary,
                           std::string* reason) {
    std::random_device seed;
    std::mt19937 random(seed());
    int failure = EEXIST;
    for (int i = 0; i < kTemporaryNameTries && failure == EEXIST; ++i) {
        *temporary = target;
        *temporary += ".tmp" + std::to_string(random() % 1000000U);
        const int fd = ::open(temporary->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            return Descriptor(fd);
        }
        failure = errno;
    }
    *reason = Reason(failure);
    return Descriptor();
}

bool WriteAll(int fd, std::string_view bytes, std::string* reason) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return Fail(reason, errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The temporary file complete, with the old file's permissions when given and on the disk.
bool FillTemporary(Descriptor& file, std::string_view bytes, std::optional<mode_t> mode,
                   std::string* reason) {
    if (!WriteAll(file.get(), bytes, reason)) {
        return false;
    }
    if (mode && ::fchmod(file.get(), *mode) != 0) {
        return Fail(reason, errno);
    }
    if (::fsync(file.get()) != 0) {
        return Fail(reason, errno);
    }
    return file.Close() || Fail(reason, errno);
}

// Makes the rename itself survive a power loss.
bool SyncDirectory(const fs::path& target, std::string* reason) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    Descriptor fd(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() < 0) {
        return Fail(reason, errno);
    }
    // Some file systems cannot sync a directory at all; there the rename is as safe as it gets.
    if (::fsync(fd.get()) != 0 && errno != EINVAL) {
        return Fail(reason, errno);
    }
    return true;
}

}  // namespace

ReadStatus ReadWholeFile(const fs::path& path, std::string* bytes, std::string* reason) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found) {
        return ReadStatus::Missing;
    }
    if (ec || fs::is_directory(status)) {
        *reason = ec ? ec.message() : Reason(EISDIR);
        return ReadStatus::Failed;
    }
    FilePtr file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        *reason = Reason(errno);
        return ReadStatus::Failed;
    }
    bytes->clear();
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        bytes->append(buffer, got);
    }
    if (std::ferror(file.get()) != 0) {
        *reason = Reason(errno);
        return ReadStatus::Failed;
    }
    return ReadStatus::Read;
}

RegularRead ReadRegularFile(const fs::path& path, std::uintmax_t limit, std::string* bytes,
                            std::string* reason) {
    // Without O_NONBLOCK a FIFO would hold the open until some writer came; on a regular file
    // the flag changes nothing.
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            return RegularRead::Missing;
        }
        *reason = Reason(errno);
        return RegularRead::Failed;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        *reason = Reason(errno);
        return RegularRead::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        return RegularRead::NotRegular;
    }
    if (static_cast<std::uintmax_t>(info.st_size) > limit) {
        return RegularRead::TooLarge;
    }
    bytes->clear();
    bytes->reserve(static_cast<std::size_t>(info.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            *reason = Reason(errno);
            return RegularRead::Failed;
        }
        if (got == 0) {
            return RegularRead::Read;
        }
        if (bytes->size() + static_cast<std::size_t>(got) > limit) {
            return RegularRead::TooLarge;
        }
        bytes->append(buffer, static_cast<std::size_t>(got));
    }
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes, std::string* reason,
                         NewFile newFile, bool* narrowed) {
    fs::path target;
    std::optional<mode_t> mode;
    if (!ResolveLinks(path, &target, reason) || !ExistingMode(target, &mode, reason)) {
        return false;
    }
    const bool ownerOnly = newFile == NewFile::OwnerOnly;
    const bool openToOthers = mode && (*mode & (S_IRWXG | S_IRWXO)) != 0;
    if (ownerOnly) {
        mode.reset();  // the temporary file is created so and never opened wider
    }
    fs::path temporary;
    Descriptor file =
        CreateTemporary(target, ownerOnly ? S_IRUSR | S_IWUSR : 0666, &temporary, reason);
    if (file.get() < 0) {
        return false;
    }
    if (!FillTemporary(file, bytes, mode, reason)) {
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int failure = errno;
        ::unlink(temporary.c_str());
        return Fail(reason, failure);
    }
    if (narrowed != nullptr) {
        *narrowed = ownerOnly && openToOthers;
    }
    return SyncDirectory(target, reason);
}

WorkFileWriter::WorkFileWriter(const fs::path& path) {
    if (::unlink(path.c_str()) != 0 && errno != ENOENT) {
        failure_ = Reason(errno);
        return;
    }
    fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                 S_IRUSR | S_IWUSR);
    if (fd_ < 0) {
        failure_ = Reason(errno);
    }
}

WorkFileWriter::~WorkFileWriter() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool WorkFileWriter::Append(std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return IsOpen() && WriteAll(fd_, text, &failure_);
}

}  // namespace zor06::platform
