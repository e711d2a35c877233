// Merging a list this program changed into the list another program has written since: nothing
// either of them added, edited or deleted is lost.
#include "settings/list_merge.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor06::settings {
namespace {

// One object per letter, at address 1; a digit stands for "B" at that address.
ObjectList Objects(const std::string& labels, std::uint8_t current = 0, std::uint8_t sorting = 0) {
    ObjectList list;
    for (const char label : labels) {
        const bool digit = label >= '0' && label <= '9';
        list.entries.push_back({digit ? "B" : std::string(1, label),
                                static_cast<std::uint8_t>(digit ? label - '0' : 1)});
    }
    list.current = current;
    list.sorting = sorting;
    return list;
}

std::string Label(const ObjectEntry& entry) {
    return entry.address == 1 ? entry.name : std::to_string(entry.address);
}

std::string Labels(const ObjectList& list) {
    std::string labels;
    for (const ObjectEntry& entry : list.entries) {
        labels += Label(entry);
    }
    return labels;
}

TEST(ListMergeTest, EachProgramsChangesReachTheFile) {
    struct Case {
        const char* what;
        ObjectList disk;
        ObjectList base;
        ObjectList now;
        std::string merged;
        std::string current;
    };
    const Case cases[] = {
        {"both added one", Objects("AX"), Objects("A"), Objects("AY", 1), "AXY", "Y"},
        {"added the same one", Objects("AY"), Objects("A"), Objects("AY", 1), "AY", "Y"},
        {"deleted here, added there", Objects("ABX"), Objects("AB"), Objects("A"), "AX", "A"},
        {"deleted on both sides", Objects("A"), Objects("AB"), Objects("A"), "A", "A"},
        {"edited here", Objects("ABX", 1), Objects("AB", 1), Objects("A2", 1), "A2X", "2"},
        {"a duplicate added on purpose", Objects("AX"), Objects("A"), Objects("AA"), "AAX", "A"},
        {"unchanged here keeps the file's current", Objects("AXY", 2), Objects("A"), Objects("A"),
         "AXY", "Y"},
        {"current chosen here", Objects("ABX", 2), Objects("AB"), Objects("AB", 1), "ABX", "B"},
        {"current deleted there", Objects("A"), Objects("AB"), Objects("AB", 1), "A", "A"},
        {"sorted by address here", Objects("2Z"), Objects("Z"), Objects("Z", 0, 1), "Z2", "2"},
    };
    for (const Case& c : cases) {
        const auto merged = MergeList(c.disk, c.base, c.now);
        ASSERT_TRUE(merged) << c.what;
        EXPECT_EQ(Labels(*merged), c.merged) << c.what;
        ASSERT_LT(merged->current, merged->entries.size()) << c.what;
        EXPECT_EQ(Label(merged->entries[merged->current]), c.current) << c.what;
    }
}

TEST(ListMergeTest, AListPastItsCapacityIsNotMade) {
    const ObjectList full = Objects(std::string(ObjectList::kCapacity, 'A'));
    EXPECT_FALSE(MergeList(full, Objects(""), Objects("B")));
    EXPECT_TRUE(MergeList(full, Objects("A"), Objects("B")));  // a rename fits
}

}  // namespace
}  // namespace zor06::settings
