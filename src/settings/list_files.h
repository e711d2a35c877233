// fon_abonents.ini, ethr_abonents.ini and objects.ini: a header section with the count, the current
// index and the sorting key, then one section per entry numbered from 1. Sections beyond the count
// are ignored, so a list that shrank leaves them in the file harmlessly.
#pragma once

#include <vector>

#include "settings/ini_file.h"
#include "settings/ini_values.h"
#include "settings/settings_types.h"

namespace zor06::settings {

inline constexpr char kPhoneListFile[] = "fon_abonents.ini";
inline constexpr char kEthernetListFile[] = "ethr_abonents.ini";
inline constexpr char kObjectListFile[] = "objects.ini";

// A count above the capacity is cut to it; a current index outside the list becomes 0; values
// outside their range take their defaults and are listed in `replaced` when it is given.
PhoneList ReadPhoneList(const IniFile& ini, std::vector<ReplacedValue>* replaced = nullptr);
EthernetList ReadEthernetList(const IniFile& ini, std::vector<ReplacedValue>* replaced = nullptr);
ObjectList ReadObjectList(const IniFile& ini, std::vector<ReplacedValue>* replaced = nullptr);

// The header section, then the section of every entry.
std::vector<IniSection> ListSections(const PhoneList& list);
std::vector<IniSection> ListSections(const EthernetList& list);
std::vector<IniSection> ListSections(const ObjectList& list);

}  // namespace zor06::settings
