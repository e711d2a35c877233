// The readings' work files (in the window's work folder) and what lies in the work directory: the
// files the operator saved there (data files, passports, configuration files, protocols, CSV,
// pictures).
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <vector>

namespace zor06::app {

// Replaced by the next reading and deleted when the program ends. Programs of earlier versions
// left them in the work directory itself.
inline constexpr std::array<const char*, 4> kWorkFiles{"datafile.aud", "datafile.ala",
                                                       "datafile.clb", "datafile.hdm"};

// Every file under `workDir` but the program's own: the settings in INI, the passport templates
// and the work files beside them. Sorted; none when the directory could not be read through.
std::optional<std::vector<std::filesystem::path>> SavedFiles(const std::filesystem::path& workDir);

}  // namespace zor06::app
