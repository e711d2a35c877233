// What the subscriber and object list screens do to their list, without the grids: choosing the
// current entry, sorting, adding and deleting. Every change leaves the list sorted with
// its current entry where the refilled grid would select it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "dialogue/operator.h"
#include "settings/entry_checks.h"
#include "settings/list_sort.h"
#include "settings/settings_types.h"

namespace zor06::settings {

// "Добавить" is enabled below the capacity.
template <typename List>
bool CanAdd(const List& list) {
    return list.entries.size() < List::kCapacity;
}

// A click on a row.
template <typename List>
void Select(List& list, std::size_t index) {
    if (index < list.entries.size()) {
        list.current = static_cast<std::uint8_t>(index);
    }
}

// A sort button: 0 by name, 1 by the second key.
template <typename List>
void SetSorting(List& list, std::uint8_t key) {
    list.sorting = key;
    SortList(list);
}

// An entry the entry screen has accepted joins the list below its capacity, becomes current and
// moves to its sorted place.
template <typename List>
bool AppendEntry(List& list, typename List::EntryType entry) {
    if (!CanAdd(list)) {
        return false;
    }
    list.entries.push_back(std::move(entry));
    list.current = static_cast<std::uint8_t>(list.entries.size() - 1);
    SortList(list);
    return true;
}

// Removes the current entry; the entry before it becomes current, or the next one when it was the
// first.
template <typename List>
void DeleteCurrent(List& list) {
    if (list.current >= list.entries.size()) {
        return;
    }
    list.entries.erase(list.entries.begin() + list.current);
    if (list.current > 0) {
        --list.current;
    }
    SortList(list);
}

// "Удалить" with its question; true when the operator answered "Да" and the entry is gone.
bool DeleteSubscriber(PhoneList& list, dialogue::Operator& op);
bool DeleteSubscriber(EthernetList& list, dialogue::Operator& op);
bool DeleteObject(ObjectList& list, dialogue::Operator& op);

}  // namespace zor06::settings
