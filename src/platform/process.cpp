#include "platform/process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <sstream>

extern char** environ;

namespace zor06::platform {
namespace {

bool IsExecutable(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec) && access(path.c_str(), X_OK) == 0;
}

}  // namespace

std::optional<std::filesystem::path> FindProgram(const std::string& name,
                                                 const std::filesystem::path& firstDir) {
    if (!firstDir.empty() && IsExecutable(firstDir / name)) {
        return firstDir / name;
    }
    const char* path = std::getenv("PATH");
    std::stringstream dirs(path != nullptr ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');) {
        if (!dir.empty() && IsExecutable(std::filesystem::path(dir) / name)) {
            return std::filesystem::path(dir) / name;
        }
    }
    return std::nullopt;
}

bool RunAndWait(const std::filesystem::path& program, const std::string& argv0,
                const std::vector<std::string>& args, std::string* error) {
    std::vector<std::string> store{argv0};
    store.insert(store.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : store) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    const int started = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (started != 0) {
        *error = std::strerror(started);
        return false;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return true;
}

}  // namespace zor06::platform
