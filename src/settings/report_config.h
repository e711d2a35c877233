// repconf_par.ini: how the data views convert and show values. The program only reads it.
#pragma once

#include <vector>

#include "settings/ini_file.h"
#include "settings/ini_values.h"
#include "settings/settings_types.h"

namespace zor06::settings {

inline constexpr char kReportConfigFile[] = "repconf_par.ini";
// iso_check_limit is a per cent of 0 up to this.
inline constexpr double kMaxIsoCheckLimit = 100;

// The switches are 0 or 1, the decimals 0..kMaxDecimals, iso_check_limit a decimal number of
// 0..kMaxIsoCheckLimit; a value outside takes the default and is
// added to `replaced`, so that the operator hears of it.
ReportConfig ReadReportConfig(const IniFile& ini, std::vector<ReplacedValue>* replaced);

}  // namespace zor06::settings
