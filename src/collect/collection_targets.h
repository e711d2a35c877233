// The stations a collection pass visits: every Ethernet subscriber of the work directory, then
// every telephone subscriber, or only those named.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "link/link_kind.h"
#include "settings/settings_types.h"

namespace zor06::collect {

struct CollectionTarget {
    std::string name;
    link::LinkKind kind = link::LinkKind::Ethernet;  // Ethernet or Telephone
    int row = 0;                                     // in the kind's subscriber list
    int address = 0;                                 // the controller's
    std::string where;                               // "a.b.c.d:port" or the telephone number
};

// The subscribers in list order; with `only`, those named, in the order named. None, with the
// reason in `error`, when a name is no subscriber or names two.
std::optional<std::vector<CollectionTarget>> CollectionTargets(
    const settings::ProgramSettings& program, std::span<const std::string> only,
    std::string* error);

}  // namespace zor06::collect
