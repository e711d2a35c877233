// Saving a list that another program may have saved since this one read it: what this program
// changed is carried into the list as the file holds it now, so that neither program's additions,
// edits or deletions are lost.
#pragma once

#include <optional>

#include "settings/settings_types.h"

namespace zor06::settings {

// The list to write when this program changed `base` (the list as it last read or wrote it) into
// `now` and the file holds `disk`. Each entry this program added or deleted is added to or deleted
// from `disk` (an edit deletes the old entry and adds the new one), unless the other program did
// the same already; the sorting key and the current entry are this program's where it changed
// them, else the file's. The result is sorted. None when it would hold more than the list's
// capacity.
std::optional<PhoneList> MergeList(const PhoneList& disk, const PhoneList& base,
                                   const PhoneList& now);
std::optional<EthernetList> MergeList(const EthernetList& disk, const EthernetList& base,
                                      const EthernetList& now);
std::optional<ObjectList> MergeList(const ObjectList& disk, const ObjectList& base,
                                    const ObjectList& now);

}  // namespace zor06::settings
