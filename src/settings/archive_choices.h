// rd_arh_par.ini: the choices the archive dialogs remember between runs.
#pragma once

#include "settings/ini_file.h"
#include "settings/settings_types.h"

namespace zor06::settings {

inline constexpr char kArchiveChoicesFile[] = "rd_arh_par.ini";

// A missing or unreadable moment, or one outside the controller's years, becomes `now`.
ArchiveChoices ReadArchiveChoices(const IniFile& ini, double now);
IniSection ArchiveChoicesSection(const ArchiveChoices& choices);

}  // namespace zor06::settings
