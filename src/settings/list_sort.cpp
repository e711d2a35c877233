#include "settings/list_sort.h"

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>

#include "text/codepage.h"
#include "text/cp1251_text.h"

namespace zor06::settings {
namespace {

std::string TextKey(const std::string& utf8) {
    return text::UpperCp1251(text::Utf8ToCp1251(utf8));
}

template <typename List, typename KeyOf>
void SortBy(List& list, KeyOf keyOf) {
    auto& entries = list.entries;
    if (entries.empty()) {
        return;
    }
    const std::string currentName =
        list.current < entries.size() ? entries[list.current].name : std::string();

    using Key = decltype(keyOf(entries.front()));
    std::vector<std::pair<Key, std::size_t>> order;
    order.reserve(entries.size());
    for (std::size_t i = 0; i < entries.size(); ++i) {
        order.emplace_back(keyOf(entries[i]), i);
    }
    // std::string compares its bytes as unsigned, which is the byte order of Windows-1251.
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<typename List::EntryType> sorted;
    sorted.reserve(entries.size());
    for (const auto& [key, index] : order) {
        sorted.push_back(std::move(entries[index]));
    }
    entries = std::move(sorted);

    for (std::size_t i = entries.size(); i-- > 0;) {
        if (entries[i].name == currentName) {
            list.current = static_cast<std::uint8_t>(i);
            break;
        }
    }
}

}  // namespace

void SortList(PhoneList& list) {
    if (list.sorting == 1) {
        SortBy(list, [](const PhoneEntry& e) { return TextKey(e.phone); });
    } else {
        SortBy(list, [](const PhoneEntry& e) { return TextKey(e.name); });
    }
}

void SortList(EthernetList& list) {
    if (list.sorting == 1) {
        SortBy(list, [](const EthernetEntry& e) { return e.ip; });
    } else {
        SortBy(list, [](const EthernetEntry& e) { return TextKey(e.name); });
    }
}

void SortList(ObjectList& list) {
    if (list.sorting == 1) {
        SortBy(list, [](const ObjectEntry& e) { return e.address; });
    } else {
        SortBy(list, [](const ObjectEntry& e) { return TextKey(e.name); });
    }
}

}  // namespace zor06::settings
