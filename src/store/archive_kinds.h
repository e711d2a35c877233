// What the store needs to know of each archive beyond its name.
#pragma once

#include <span>

#include "store/collection_store.h"

namespace zor06::store {

inline constexpr Archive kAllArchives[] = {
    Archive::ChrMinute, Archive::ChrHour, Archive::ChrDay,        Archive::WmtMinute,
    Archive::WmtHour,   Archive::WmtDay,  Archive::Interventions, Archive::Diagnostics,
};
static_assert(std::size(kAllArchives) == kArchiveCount);

// The number of values a record of a data archive holds.
int ValueCount(Archive archive);

// The runs a data archive's records may belong to: 1 and 2 for the chromatograph, 0 for the
// moisture meter; 0 for a message archive, whose records have none.
std::span<const int> RunsOf(Archive archive);

}  // namespace zor06::store
