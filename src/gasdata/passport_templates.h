// The passport templates come with the program; the passports are built from the copies in the
// work directory, which an operator may replace with templates of his own.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::gasdata {

// Where the templates of a program in `programDir` lie, in the order they are tried: beside the
// program, in the installed data directory relative to it (so that a moved installation still
// finds them), then where the build made them.
std::vector<std::filesystem::path> TemplateSources(const std::filesystem::path& programDir);

// The same for the running program.
std::vector<std::filesystem::path> TemplateSources();

// Copies the template `name` into `workDir`, unless it is there already, from the first of
// `sources` that has it. False with `reason` naming the file when a template found is refused
// (not a regular file, too large) or its copy cannot be written (a full disk, say). A template
// found nowhere is no failure here: the passport reports it missing.
bool EnsurePassportTemplate(const std::filesystem::path& workDir, std::string_view name,
                            const std::vector<std::filesystem::path>& sources, std::string* reason);

}  // namespace zor06::gasdata
