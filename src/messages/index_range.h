// The range of a reading by index: the archive's boundary indices, the presets of the index
// dialog and the checks of an entered start and count.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zor06::messages {

struct IndexBounds {
    std::uint32_t oldest = 0;
    std::uint32_t newest = 0;
    // Unsigned: the indices may have wrapped.
    std::uint32_t Total() const { return newest - oldest + 1; }
    // Equal non-zero indices mean no record; 0 and 0 is the archive's single first record.
    bool Empty() const { return oldest == newest && oldest != 0; }
};

struct IndexSelection {
    std::uint32_t start = 0;
    std::uint32_t count = 0;
    bool operator==(const IndexSelection&) const = default;
};

// Every record from the oldest.
IndexSelection WholeRange(const IndexBounds& bounds);
// The newest `n` records, or all of them when there are fewer.
IndexSelection LastRecords(const IndexBounds& bounds, std::uint32_t n);

// What "Принять" makes of the entries: the accepted range (the count lowered to what lies from
// the start to the newest record), or the message that refuses them.
struct IndexVerdict {
    std::optional<IndexSelection> accepted;
    std::string_view text1;
    std::string_view text2;
};
IndexVerdict CheckIndexEntry(const IndexBounds& bounds, std::optional<std::uint32_t> start,
                             std::optional<std::uint32_t> count);

}  // namespace zor06::messages
