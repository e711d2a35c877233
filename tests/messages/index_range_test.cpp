// The presets and the checks of a reading by index.
#include "messages/index_range.h"

#include <gtest/gtest.h>

namespace zor06::test {
namespace {

using messages::IndexBounds;
using messages::IndexSelection;

struct PresetCase {
    const char* what;
    IndexBounds bounds;
    std::uint32_t last;  // 0: the whole range
    IndexSelection want;
};

class IndexPresetTest : public ::testing::TestWithParam<PresetCase> {};

TEST_P(IndexPresetTest, ProposesStartAndCount) {
    const PresetCase& c = GetParam();
    const IndexSelection got =
        c.last == 0 ? messages::WholeRange(c.bounds) : messages::LastRecords(c.bounds, c.last);
    EXPECT_EQ(got, c.want) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Presets, IndexPresetTest,
    ::testing::Values(PresetCase{"whole range", {5, 60}, 0, {5, 56}},
                      PresetCase{"last 100 of 56", {5, 60}, 100, {5, 56}},
                      PresetCase{"last 10 of 56", {5, 60}, 10, {51, 10}},
                      PresetCase{"last 50 of exactly 50", {11, 60}, 50, {11, 50}},
                      PresetCase{"the single record 0", {0, 0}, 0, {0, 1}},
                      PresetCase{"last 10 across the wrap", {0xFFFFFFF0, 20}, 10, {11, 10}}));

struct EntryCase {
    const char* what;
    std::optional<std::uint32_t> start;
    std::optional<std::uint32_t> count;
    std::optional<IndexSelection> want;
    const char* text1;
};

class IndexEntryTest : public ::testing::TestWithParam<EntryCase> {};

TEST_P(IndexEntryTest, ChecksInOrderAndLowersTheCount) {
    const EntryCase& c = GetParam();
    const auto verdict = messages::CheckIndexEntry({5, 60}, c.start, c.count);
    EXPECT_EQ(verdict.accepted, c.want) << c.what;
    EXPECT_EQ(verdict.text1, c.text1) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, IndexEntryTest,
    ::testing::Values(
        EntryCase{"no start, no count", {}, {}, {}, "Не введен индекс записи начала чтения"},
        EntryCase{"start below the oldest",
                  4,
                  {},
                  {},
                  "Нелогичное значение индекса записи начала чтения"},
        EntryCase{"start above the newest",
                  61,
                  1,
                  {},
                  "Нелогичное значение индекса записи начала чтения"},
        EntryCase{"no count", 5, {}, {}, "Не введено количество записей для чтения"},
        EntryCase{"count 0", 5, 0, {}, "Нелогичное значение количества записей для чтения"},
        EntryCase{"count lowered", 58, 10, IndexSelection{58, 3}, ""},
        EntryCase{"the newest alone", 60, 1, IndexSelection{60, 1}, ""}));

TEST(IndexBoundsTest, OnlyEqualNonZeroIndicesMeanAnEmptyArchive) {
    EXPECT_TRUE((IndexBounds{7, 7}.Empty()));
    EXPECT_FALSE((IndexBounds{0, 0}.Empty()));
    EXPECT_FALSE((IndexBounds{7, 8}.Empty()));
}

}  // namespace
}  // namespace zor06::test
