// Putting a list in the order of its sorting key, as the lists are after loading and whenever a
// list screen refills its grid.
#pragma once

#include "settings/settings_types.h"

namespace zor06::settings {

// Stable ascending sort: texts by their Windows-1251 upper case byte by byte, addresses as
// unsigned numbers; sorting key 0 is the name, 1 the second key. The current index then points
// at the last entry named as the current entry was, or stays when none is.
void SortList(PhoneList& list);
void SortList(EthernetList& list);
void SortList(ObjectList& list);

}  // namespace zor06::settings
