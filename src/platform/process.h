// Starting another program and waiting for it to end.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zor06::platform {

// The executable `name` in `firstDir`, else on PATH; none when neither has it.
std::optional<std::filesystem::path> FindProgram(const std::string& name,
                                                 const std::filesystem::path& firstDir);

// Starts `program` with argv[0] = `argv0` and the given arguments and waits until it ends;
// false with `error` set when it could not be started.
bool RunAndWait(const std::filesystem::path& program, const std::string& argv0,
                const std::vector<std::string>& args, std::string* error);

}  // namespace zor06::platform
