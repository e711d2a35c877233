// Reading all settings files at start and writing each back when it changed. A file that cannot
// be written is reported in status panel 2 and the call returns false; the saved copies then stay
// as they were, so the next save tries again.
#pragma once

#include <filesystem>

#include "link/operator.h"
#include "settings/settings_types.h"

namespace zor06::settings {

// Fills `settings` from the files in `iniDir`: rd_arh_par.ini (missing moments become `now`),
// conn.ini, the two subscriber lists (each then sorted), the saved copies, objects.ini (sorted),
// repconf_par.ini. Missing or unreadable files give their defaults.
void LoadSettings(ProgramSettings& settings, const std::filesystem::path& iniDir, ScreenSize screen,
                  double now);

// rd_arh_par.ini, all four keys.
bool SaveArchiveChoices(const ProgramSettings& settings, const std::filesystem::path& iniDir,
                        link::Operator& op);
// conn.ini: only the sections that differ from the saved copy; nothing when none does.
bool SaveLinkSettings(ProgramSettings& settings, const std::filesystem::path& iniDir,
                      link::Operator& op);
// fon_abonents.ini / ethr_abonents.ini: the whole list, unless it equals the saved copy.
bool SavePhoneList(ProgramSettings& settings, const std::filesystem::path& iniDir,
                   link::Operator& op);
bool SaveEthernetList(ProgramSettings& settings, const std::filesystem::path& iniDir,
                      link::Operator& op);
// objects.ini, always.
bool SaveObjects(const ProgramSettings& settings, const std::filesystem::path& iniDir,
                 link::Operator& op);

}  // namespace zor06::settings
