#include "zor06-sim/pty_link.h"

#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace zor06::sim {

PtyLink::~PtyLink() {
    if (path_.empty()) {
        return;
    }
    std::array<char, 4096> now{};
    const ssize_t n = readlink(path_.c_str(), now.data(), now.size() - 1);
    if (n >= 0 && std::string(now.data(), static_cast<std::size_t>(n)) == target_) {
        unlink(path_.c_str());
    }
}

bool PtyLink::Create(const std::string& path, const std::string& target, std::string* error) {
    struct stat st {};
    if (lstat(path.c_str(), &st) == 0 && !S_ISLNK(st.st_mode)) {
        *error = path + " exists and is not a symlink";
        return false;
    }
    // Made aside and renamed into place, so that the name never points nowhere.
    const std::string temporary = path + ".new" + std::to_string(getpid());
    if (symlink(target.c_str(), temporary.c_str()) != 0 ||
        rename(temporary.c_str(), path.c_str()) != 0) {
        *error = path + ": " + std::strerror(errno);
        unlink(temporary.c_str());
        return false;
    }
    path_ = path;
    target_ = target;
    return true;
}

}  // namespace zor06::sim
