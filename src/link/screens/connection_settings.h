// The link settings as the connection screens and the status bar see them: the record of a link
// kind, the current subscriber of a list and the connection description.
#pragma once

#include <optional>
#include <string>

#include "link/link_kind.h"
#include "link/link_record.h"
#include "settings/settings_types.h"

namespace zor06::screens {

// The link kind stored in the settings, or none when the value is outside 0..2.
std::optional<link::LinkKind> CurrentLinkKind(const settings::LinkSettings& settings);

// The parameter record of `kind` (the Ethernet record uses only part of it).
link::LinkRecord& KindRecord(settings::LinkSettings& settings, link::LinkKind kind);

// The current entry of a list, or null when the list is empty.
template <typename List>
const typename List::EntryType* CurrentEntry(const List& list) {
    return list.current < list.entries.size() ? &list.entries[list.current] : nullptr;
}

// Panel 0 of the main window: the description of the current link kind and subscriber.
std::string DescribeConnection(const settings::ProgramSettings& settings);

}  // namespace zor06::screens
