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

// posix_spawn wants writable, null-terminated C strings; `store` keeps them alive.
std::vector<char*> ArgumentVector(std::vector<std::string>& store) {
    std::vector<char*> argv;
    argv.reserve(store.size() + 1);
    for (std::string& a : store) {
        argv.push_back(a.data());
    }
    argv.push_back(nullptr);
    return argv;
}

// Owns the file actions so that every way out of SpawnProgram releases them.
class FileActions {
public:
    explicit FileActions(const ChildStdio& stdio) {
        posix_spawn_file_actions_init(&actions_);
        if (stdio.out >= 0) {
            posix_spawn_file_actions_adddup2(&actions_, stdio.out, STDOUT_FILENO);
        }
        if (stdio.err >= 0) {
            posix_spawn_file_actions_adddup2(&actions_, stdio.err, STDERR_FILENO);
        }
        for (const int fd : stdio.closeInChild) {
            posix_spawn_file_actions_addclose(&actions_, fd);
        }
    }
    ~FileActions() { posix_spawn_file_actions_destroy(&actions_); }
    FileActions(const FileActions&) = delete;
    FileActions& operator=(const FileActions&) = delete;
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

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

std::optional<pid_t> SpawnProgram(const std::filesystem::path& program, const std::string& argv0,
                                  const std::vector<std::string>& args, const ChildStdio& stdio,
                                  std::string* error) {
    std::vector<std::string> store{argv0};
    store.insert(store.end(), args.begin(), args.end());
    const std::vector<char*> argv = ArgumentVector(store);
    const FileActions actions(stdio);
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ);
    if (rc != 0) {
        if (error != nullptr) {
            *error = program.string() + ": " + std::strerror(rc);
        }
        return std::nullopt;
    }
    return pid;
}

std::optional<int> WaitForChild(pid_t pid) {
    int status = 0;
    pid_t done = -1;
    while ((done = waitpid(pid, &status, 0)) < 0 && errno == EINTR) {
    }
    if (done != pid) {
        return std::nullopt;
    }
    return status;
}

bool RunAndWait(const std::filesystem::path& program, const std::string& argv0,
                const std::vector<std::string>& args, std::string* error) {
    const std::optional<pid_t> pid = SpawnProgram(program, argv0, args, {}, error);
    if (!pid) {
        return false;
    }
    WaitForChild(*pid);
    return true;
}

}  // namespace zor06::platform
