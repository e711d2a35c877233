// repconf_par.ini: how the data views convert and show values. The program only reads it.
#pragma once

#include "settings/ini_file.h"
#include "settings/settings_types.h"

namespace zor06::settings {

inline constexpr char kReportConfigFile[] = "repconf_par.ini";

ReportConfig ReadReportConfig(const IniFile& ini);

}  // namespace zor06::settings
