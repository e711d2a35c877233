// The files a command writes. An existing file is replaced only with --yes, and the command checks
// that before it reads anything from the controller, so that a refused file costs no reading.
#pragma once

#include <filesystem>
#include <string_view>
#include <vector>

#include "zor06ctl/cli_options.h"

namespace zor06::ctl {

// A name without extension gets `extension`, as the save dialogs give it.
std::filesystem::path WithExtension(std::filesystem::path path, std::string_view extension);

// True when every one of `paths` may be written: it does not exist yet, or --yes was given. Else
// says which file is there already; the command then ends with kExitUsage. Empty paths stand for
// files not asked for.
bool MayWriteFiles(const CommandLine& cl, const std::vector<std::filesystem::path>& paths);

}  // namespace zor06::ctl
