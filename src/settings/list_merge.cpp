#include "settings/list_merge.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "settings/list_sort.h"

namespace zor06::settings {
namespace {

template <typename Entry>
std::size_t Occurrences(const std::vector<Entry>& entries, const Entry& entry) {
    return static_cast<std::size_t>(std::count(entries.begin(), entries.end(), entry));
}

template <typename List>
const typename List::EntryType* CurrentEntry(const List& list) {
    return list.current < list.entries.size() ? &list.entries[list.current] : nullptr;
}

template <typename Entry>
bool SameEntry(const Entry* a, const Entry* b) {
    return a == nullptr ? b == nullptr : b != nullptr && *a == *b;
}

// Every entry either list holds, once.
template <typename Entry>
std::vector<Entry> DistinctEntries(const std::vector<Entry>& a, const std::vector<Entry>& b) {
    std::vector<Entry> distinct;
    for (const std::vector<Entry>* entries : {&a, &b}) {
        for (const Entry& entry : *entries) {
            if (std::find(distinct.begin(), distinct.end(), entry) == distinct.end()) {
                distinct.push_back(entry);
            }
        }
    }
    return distinct;
}

// Where this program changed how often an entry occurs, the file gets it that often, unless the
// other program already went that way at least as far.
template <typename Entry>
void CarryCount(std::vector<Entry>& merged, const Entry& entry, std::size_t inBase,
                std::size_t inNow) {
    std::size_t onDisk = Occurrences(merged, entry);
    if (inNow > inBase) {
        for (; onDisk < inNow; ++onDisk) {
            merged.push_back(entry);
        }
    }
    if (inNow < inBase) {
        for (; onDisk > inNow; --onDisk) {
            merged.erase(std::find(merged.rbegin(), merged.rend(), entry).base() - 1);
        }
    }
}

template <typename List>
std::optional<List> Merge(const List& disk, const List& base, const List& now) {
    using Entry = typename List::EntryType;
    List merged;
    merged.entries = disk.entries;
    for (const Entry& entry : DistinctEntries(base.entries, now.entries)) {
        CarryCount(merged.entries, entry, Occurrences(base.entries, entry),
                   Occurrences(now.entries, entry));
    }
    if (merged.entries.size() > List::kCapacity) {
        return std::nullopt;
    }
    merged.sorting = now.sorting != base.sorting ? now.sorting : disk.sorting;
    const Entry* current =
        SameEntry(CurrentEntry(now), CurrentEntry(base)) ? CurrentEntry(disk) : CurrentEntry(now);
    const auto found = current == nullptr
                           ? merged.entries.end()
                           : std::find(merged.entries.begin(), merged.entries.end(), *current);
    merged.current = found == merged.entries.end()
                         ? 0
                         : static_cast<std::uint8_t>(found - merged.entries.begin());
    SortList(merged);
    return merged;
}

}  // namespace

std::optional<PhoneList> MergeList(const PhoneList& disk, const PhoneList& base,
                                   const PhoneList& now) {
    return Merge(disk, base, now);
}

std::optional<EthernetList> MergeList(const EthernetList& disk, const EthernetList& base,
                                      const EthernetList& now) {
    return Merge(disk, base, now);
}

std::optional<ObjectList> MergeList(const ObjectList& disk, const ObjectList& base,
                                    const ObjectList& now) {
    return Merge(disk, base, now);
}

}  // namespace zor06::settings
