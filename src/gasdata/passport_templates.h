// The passport templates come with the program; the passports are built from the copies in the
// work directory, which an operator may replace with templates of his own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zor06::gasdata {

// Where the templates of a program in `programDir` lie, in the order they are tried: beside the
// program, in the installed data directory relative to it (so that a moved installation still
// finds them), then where the build made them.
std::vector<std::filesystem::path> TemplateSources(const std::filesystem::path& programDir);

// The same for the running program.
std::vector<std::filesystem::path> TemplateSources();

// Copies each template missing from `workDir` from the first of `sources` that has it; a
// template already there is left alone. Nothing is reported: a template still missing is
// reported when a passport needs it.
void EnsurePassportTemplates(const std::filesystem::path& workDir,
                             const std::vector<std::filesystem::path>& sources);

}  // namespace zor06::gasdata
