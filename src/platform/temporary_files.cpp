#include "platform/temporary_files.h"

#include <stdlib.h>  // mkdtemp, mkstemps
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace zor06::platform {
namespace {

namespace fs = std::filesystem;

std::string Reason(int error) {
    return std::error_code(error, std::generic_category()).message();
}

// The name to fill in under the temporary directory; empty with `failure` set when there is none.
std::string NameTemplate(std::string_view prefix, std::string_view suffix, std::string* failure) {
    std::error_code ec;
    const fs::path dir = fs::temp_directory_path(ec);
    if (ec) {
        *failure = ec.message();
        return {};
    }
    std::string name = (dir / prefix).string();
    name += "-XXXXXX";
    name += suffix;
    return name;
}

}  // namespace

TemporaryFolder::TemporaryFolder(std::string_view prefix,
                                 std::initializer_list<std::string_view> contents) {
    std::string name = NameTemplate(prefix, "", &failure_);
    if (name.empty()) {
        return;
    }
    const EndingSignalsHeld held;
    if (::mkdtemp(name.data()) == nullptr) {
        failure_ = Reason(errno);
        return;
    }
    path_ = name;
    removals_.reserve(contents.size() + 1);
    removals_.emplace_back(path_, RemovedOnSignal::Kind::Folder);
    for (const std::string_view file : contents) {
        removals_.emplace_back(path_ / file, RemovedOnSignal::Kind::File);
    }
}

TemporaryFolder::~TemporaryFolder() {
    if (!path_.empty()) {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
}

TemporaryFile::TemporaryFile(std::string_view prefix, std::string_view suffix) {
    std::string name = NameTemplate(prefix, suffix, &failure_);
    if (name.empty()) {
        return;
    }
    const EndingSignalsHeld held;
    const int fd = ::mkstemps(name.data(), static_cast<int>(suffix.size()));
    if (fd < 0) {
        failure_ = Reason(errno);
        return;
    }
    ::close(fd);
    path_ = name;
    removal_.emplace(path_, RemovedOnSignal::Kind::File);
}

TemporaryFile::~TemporaryFile() {
    if (!path_.empty()) {
        ::unlink(path_.c_str());
    }
}

}  // namespace zor06::platform
