// Starting another program and waiting for it to end.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zor06::platform {

// The executable `name` in `firstDir`, else on PATH; none when neither has it.
std::optional<std::filesystem::path> FindProgram(const std::string& name,
                                                 const std::filesystem::path& firstDir);

// Where the child's standard output and error go (a descriptor of ours, or -1 to share ours), and
// descriptors of ours the child must not keep (the reading ends of its pipes).
struct ChildStdio {
    int out = -1;
    int err = -1;
    std::vector<int> closeInChild;
};

// Starts `program` with argv[0] = `argv0` and the given arguments; the child's process id, or
// none with `error` saying why it could not be started.
std::optional<pid_t> SpawnProgram(const std::filesystem::path& program, const std::string& argv0,
                                  const std::vector<std::string>& args, const ChildStdio& stdio,
                                  std::string* error);

// Waits until the child ends; its wait status, or none when it is not our child.
std::optional<int> WaitForChild(pid_t pid);

// Starts `program` with argv[0] = `argv0` and the given arguments and waits until it ends;
// false with `error` set when it could not be started.
bool RunAndWait(const std::filesystem::path& program, const std::string& argv0,
                const std::vector<std::string>& args, std::string* error);

}  // namespace zor06::platform
