// What a collection makes of the work directory's subscribers and of the records a reading
// hands over, before any of it reaches the database.
#include <gtest/gtest.h>

#include "collect/collection_targets.h"
#include "collect/record_rows.h"
#include "collect/timestamps.h"

namespace zor06::collect {
namespace {

TEST(Timestamps, OnlyCalendarDatesAndTimesBecomeDatabaseTexts) {
    struct Case {
        bytes::ControllerDateTime date;
        const char* text;  // empty: refused
    };
    const Case cases[] = {
        {{26, 12, 10, 13, 57, 0}, "2026-12-10 13:57:00"},
        {{0, 1, 1, 0, 0, 0}, "2000-01-01 00:00:00"},
        {{28, 2, 29, 23, 59, 59}, "2028-02-29 23:59:59"},
        {{26, 2, 29, 0, 0, 0}, ""},  // no leap year
        {{26, 13, 1, 0, 0, 0}, ""},  // month 13
        {{26, 4, 31, 0, 0, 0}, ""},  // April has 30 days
        {{26, 1, 1, 24, 0, 0}, ""},  // hour 24
        {{26, 0, 0, 0, 0, 0}, ""},   // a spoiled record's zeros
        {{255, 255, 255, 255, 255, 255}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TimestampOf(c.date), c.text);
        const auto back = DateOfTimestamp(c.text);
        EXPECT_EQ(back.has_value(), *c.text != '\0') << c.text;
        if (back) {
            EXPECT_EQ(*back, c.date) << c.text;
        }
    }
    for (const char* bad : {"2026-12-10", "2026-12-10T13:57:00", "1999-12-10 13:57:00",
                            "2026-12-10 13:57:0x", "2026-02-30 00:00:00"}) {
        EXPECT_FALSE(DateOfTimestamp(bad)) << bad;
    }
}

settings::ProgramSettings TwoKinds() {
    settings::ProgramSettings program;
    program.ethernet.entries = {{"Северная", 3, (10u << 24) | (1u << 8) | 7, 4001},
                                {"Южная", 4, (192u << 24) | (168u << 16) | 2, 502}};
    program.phones.entries = {{"Дальняя", 9, 0, "8 (812) 123-45-67"}};
    return program;
}

TEST(CollectionTargets, EverySubscriberOrTheNamedOnesInTheirOrder) {
    const settings::ProgramSettings program = TwoKinds();
    std::string error;
    const auto all = CollectionTargets(program, {}, &error);
    ASSERT_TRUE(all);
    ASSERT_EQ(all->size(), 3u);
    EXPECT_EQ((*all)[0].where, "10.0.1.7:4001");
    EXPECT_EQ((*all)[1].where, "192.168.0.2:502");
    EXPECT_EQ((*all)[2].kind, link::LinkKind::Telephone);
    EXPECT_EQ((*all)[2].where, "8 (812) 123-45-67");
    EXPECT_EQ((*all)[2].row, 0);

    const std::vector<std::string> named{"Дальняя", "Северная"};
    const auto chosen = CollectionTargets(program, named, &error);
    ASSERT_TRUE(chosen);
    ASSERT_EQ(chosen->size(), 2u);
    EXPECT_EQ((*chosen)[0].name, "Дальняя");
    EXPECT_EQ((*chosen)[1].address, 3);

    const std::vector<std::string> unknown{"Северная", "Западная"};
    EXPECT_FALSE(CollectionTargets(program, unknown, &error));
    EXPECT_NE(error.find("Западная"), std::string::npos);

    settings::ProgramSettings twice = program;
    twice.phones.entries.push_back({"Южная", 5, 0, "100"});
    const std::vector<std::string> ambiguous{"Южная"};
    EXPECT_FALSE(CollectionTargets(twice, ambiguous, &error));
    EXPECT_NE(error.find("two"), std::string::npos);
}

gasdata::DataSet HourSet() {
    gasdata::DataSet set;
    set.kind = gasdata::DataKind::ChrHour;
    for (const std::uint8_t hour : {10, 11, 12}) {
        gasdata::ChrHdRecord r;
        r.date = {26, 12, hour == 12 ? std::uint8_t{40} : std::uint8_t{10}};
        r.start = {hour, 0, 0};
        r.status = hour == 11 ? 0x22 : 0;
        r.values.v[0] = 0.5f * hour;
        auto bytes = r.Encode();
        gasdata::SealRecord(bytes);
        set.records.insert(set.records.end(), bytes.begin(), bytes.end());
    }
    // The second record's last byte spoiled on the line.
    set.records[2 * gasdata::ChrHdRecord::kSize - 1] ^= 0xFF;
    return set;
}

TEST(RecordRows, DataRecordsKeepStatusValuesCrcAndBytesAndDropAnUndatable) {
    const gasdata::DataSet set = HourSet();
    const std::vector<store::DataRecord> rows = DataRows(set, 2);
    // The third record's day 40 cannot be a period.
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].archive, store::Archive::ChrHour);
    EXPECT_EQ(rows[0].run, 2);
    EXPECT_EQ(rows[0].period, "2026-12-10 10:00:00");
    EXPECT_TRUE(rows[0].crcValid);
    EXPECT_EQ(rows[0].values.size(), 20u);
    EXPECT_DOUBLE_EQ(rows[0].values[0], 5.0);
    EXPECT_EQ(rows[1].state, 0x22);
    EXPECT_FALSE(rows[1].crcValid);
    EXPECT_TRUE(std::equal(rows[1].raw.begin(), rows[1].raw.end(),
                           set.records.begin() + gasdata::ChrHdRecord::kSize));
}

TEST(RecordRows, ArchivesMapBothWays) {
    for (const auto kind :
         {gasdata::DataKind::ChrMinute, gasdata::DataKind::ChrHour, gasdata::DataKind::ChrDay,
          gasdata::DataKind::WmtMinute, gasdata::DataKind::WmtHour, gasdata::DataKind::WmtDay}) {
        EXPECT_EQ(DataKindOf(StoreArchiveOf(kind)), kind);
    }
    EXPECT_FALSE(DataKindOf(store::Archive::Interventions));
    EXPECT_EQ(StoreArchiveOf(messages::Archive::Diagnostics), store::Archive::Diagnostics);
}

}  // namespace
}  // namespace zor06::collect
