// conn.ini: the link settings and the main window's geometry.
#pragma once

#include <array>
#include <vector>

#include "settings/ini_file.h"
#include "settings/ini_values.h"
#include "settings/settings_types.h"

namespace zor06::settings {

inline constexpr char kConnFile[] = "conn.ini";

// Missing keys, and values outside their range, take their defaults; the window's defaults depend
// on the screen. `replaced`, when given, receives the values that were outside their range.
LinkSettings ReadLinkSettings(const IniFile& ini, ScreenSize screen,
                              std::vector<ReplacedValue>* replaced = nullptr);

// CURR_PAR, DIR_CONN_PAR, FON_CONN_PAR and ETHERNET_CONN_PAR with their keys in the order they are
// written. PortName is left out while empty.
std::array<IniSection, 4> LinkSections(const LinkSettings& settings);

}  // namespace zor06::settings
