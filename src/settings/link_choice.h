// The link settings as the connection set-up sees them: the stored link kind, the record of a
// kind, the current subscriber of a list, the connection description, and the address the
// controller answered from.
#pragma once

#include <optional>
#include <string>

#include "link/link_kind.h"
#include "link/link_parameters.h"
#include "settings/settings_types.h"

namespace zor06::settings {

// The link kind stored in the settings, or none when the value is outside 0..2.
std::optional<link::LinkKind> CurrentLinkKind(const LinkSettings& settings);

// The parameter record of `kind` (the Ethernet record uses only part of it).
link::LinkParameters& KindRecord(LinkSettings& settings, link::LinkKind kind);
const link::LinkParameters& KindRecord(const LinkSettings& settings, link::LinkKind kind);

// The current entry of a list, or null when the list is empty.
template <typename List>
const typename List::EntryType* CurrentEntry(const List& list) {
    return list.current < list.entries.size() ? &list.entries[list.current] : nullptr;
}

// The entry of a list row; null for no row and for a row past the entries ("Новый абонент").
template <typename List>
const typename List::EntryType* EntryAt(const List& list, int row) {
    return row >= 0 && static_cast<std::size_t>(row) < list.entries.size()
               ? &list.entries[static_cast<std::size_t>(row)]
               : nullptr;
}

// The Connection panel of the main window: the description of the current link kind and subscriber.
std::string DescribeConnection(const ProgramSettings& settings);

// After identification: a stored address 255 of the current link kind becomes the address the
// controller answered from, so the next connection addresses it directly.
void AdoptAnsweredAddress(LinkSettings& settings, int address);

}  // namespace zor06::settings
