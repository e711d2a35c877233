#include "store/collection_store.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "store/schema.h"
#include "store/sql_store.h"
#include "tests/store/store_backends.h"

namespace zor06::store::test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

DataRecord Chr(int run, const std::string& period, double first = 1.5,
               Archive archive = Archive::ChrMinute) {
    DataRecord record{archive, run, period, 3, 0x0102, {}, true, {}};
    for (int i = 0; i < 20; ++i) {
        record.values.push_back(first + i * 0.25);
    }
    record.raw = {static_cast<std::uint8_t>(run), 0, 0xFF, static_cast<std::uint8_t>(period[15])};
    return record;
}

MessageRecord Message(std::int64_t index, const std::string& time,
                      std::vector<std::string> row = {"a", "b"}) {
    return {Archive::Interventions,
            index,
            time,
            {0x10, 0x00, static_cast<std::uint8_t>(index)},
            std::move(row)};
}

std::vector<std::string> Periods(const std::vector<DataRecord>& records) {
    std::vector<std::string> periods;
    for (const DataRecord& record : records) {
        periods.push_back(record.period);
    }
    return periods;
}

// Values compare equal when both are NaN. The sign of a zero may be lost: SQLite keeps a
// whole REAL as an integer.
bool SameValues(const std::vector<double>& a, const std::vector<double>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](double x, double y) {
        return (std::isnan(x) && std::isnan(y)) || x == y;
    });
}

// A connection that fails the Nth statement containing `marker`, as a full disk or a lost
// server would half-way through a batch.
class FailingConnection : public SqlConnection {
public:
    FailingConnection(std::unique_ptr<SqlConnection> real, std::string marker, int failAt)
        : real_(std::move(real)), marker_(std::move(marker)), failAt_(failAt) {}
    SqlDialect Dialect() const override { return real_->Dialect(); }
    const std::string& Error() const override { return failed_ ? failure_ : real_->Error(); }
    std::optional<std::int64_t> Execute(std::string_view sql,
                                        std::span<const SqlValue> params) override {
        if (Fails(sql)) {
            return std::nullopt;
        }
        return real_->Execute(sql, params);
    }
    std::optional<std::vector<SqlRow>> Query(std::string_view sql,
                                             std::span<const SqlValue> params) override {
        if (Fails(sql)) {
            return std::nullopt;
        }
        return real_->Query(sql, params);
    }
    bool Begin() override { return real_->Begin(); }

private:
    bool Fails(std::string_view sql) {
        failed_ = sql.find(marker_) != std::string_view::npos && ++seen_ == failAt_;
        return failed_;
    }
    std::unique_ptr<SqlConnection> real_;
    std::string marker_;
    int failAt_;
    int seen_ = 0;
    bool failed_ = false;
    std::string failure_ = "disk I/O error";
};

TEST_P(StoreTest, CreatesTheSchemaOnceAndRefusesANewerOne) {
    ASSERT_TRUE(Open()->AddDataRecords("A", std::vector{Chr(1, "2024-05-01 10:00:00")}));
    auto store = Open();
    ASSERT_TRUE(store);
    EXPECT_EQ(store->NewestPeriod("A", Archive::ChrMinute, 1), "2024-05-01 10:00:00");
    const auto versions = Raw()->Query("SELECT version FROM schema_version");
    ASSERT_TRUE(versions);
    ASSERT_EQ(versions->size(), 1U);
    EXPECT_EQ(std::get<std::int64_t>(versions->front()[0]), kSchemaVersion);

    ASSERT_TRUE(Raw()->Execute("UPDATE schema_version SET version = version + 1"));
    std::string error;
    EXPECT_FALSE(OpenStore(uri_, &error));
    EXPECT_NE(error.find("newer than this program's"), std::string::npos) << error;
}

TEST_P(StoreTest, AddsARecordOnlyOnce) {
    auto store = Open();
    const std::vector first = {Chr(1, "2024-05-01 10:00:00"), Chr(2, "2024-05-01 10:00:00"),
                               Chr(1, "2024-05-01 10:03:00")};
    const std::vector overlapping = {Chr(1, "2024-05-01 10:03:00", 9),
                                     Chr(1, "2024-05-01 10:06:00")};
    EXPECT_EQ(store->AddDataRecords("A", first), 3);
    EXPECT_EQ(store->AddDataRecords("A", first), 0);
    EXPECT_EQ(store->AddDataRecords("A", overlapping), 1);
    EXPECT_EQ(store->AddDataRecords("B", first), 3) << "another station's records are its own";
    // The record held first stays: a second reading of the same period changes nothing.
    const auto held = store->DataRecords("A", Archive::ChrMinute, 1, "", "");
    ASSERT_TRUE(held && held->size() == 3);
    EXPECT_EQ((*held)[1].values[0], 1.5);

    const std::vector messages = {Message(7, "2024-05-01 10:00:00"),
                                  Message(8, "2024-05-01 10:00:00")};
    EXPECT_EQ(store->AddMessageRecords("A", messages), 2);
    EXPECT_EQ(store->AddMessageRecords("A", messages), 0);
    EXPECT_EQ(store->AddMessageRecords("A", std::vector<MessageRecord>{}), 0);
}

TEST_P(StoreTest, AFailedBatchLeavesNothing) {
    const DataRecord good = Chr(1, "2024-05-01 10:00:00");
    DataRecord noRun = Chr(3, "2024-05-01 10:03:00");
    DataRecord badPeriod = Chr(1, "2024-05-01 10:03");
    DataRecord tooMany = Chr(1, "2024-05-01 10:03:00");
    tooMany.values.push_back(0);
    DataRecord message = Chr(1, "2024-05-01 10:03:00");
    message.archive = Archive::Diagnostics;
    struct Case {
        DataRecord second;
        int failingInsert;  // 0: the connection fails none
        std::string reason;
    };
    const Case cases[] = {
        {noRun, 0, "no run 3"},
        {badPeriod, 0, "is not YYYY-MM-DD HH:MM:SS"},
        {tooMany, 0, "21 values instead of 20"},
        {message, 0, "not a data archive"},
        {Chr(1, "2024-05-01 10:03:00"), 2, "disk I/O error"},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CollectionStore> store = Open();
        if (c.failingInsert > 0) {
            store = std::make_unique<SqlStore>(std::make_unique<FailingConnection>(
                Raw(), "INSERT INTO data_records", c.failingInsert));
        }
        EXPECT_FALSE(store->AddDataRecords("A", std::vector{good, c.second, good})) << c.reason;
        EXPECT_NE(store->Error().find("record 2"), std::string::npos) << store->Error();
        EXPECT_NE(store->Error().find(c.reason), std::string::npos) << store->Error();
        EXPECT_EQ(Open()->NewestPeriod("A", Archive::ChrMinute, 1), std::nullopt) << c.reason;
    }

    auto store = Open();
    EXPECT_FALSE(
        store->AddMessageRecords("A", std::vector{Message(1, "2024-05-01 10:00:00"),
                                                  Message(2, "2024-05-01 10:00:00", {"a\tb"})}));
    EXPECT_NE(store->Error().find("holds a tab"), std::string::npos) << store->Error();
    EXPECT_EQ(store->NewestIndex("A", Archive::Interventions), std::nullopt);
    EXPECT_EQ(store->AddDataRecords("A", std::vector{good}), 1) << "the store is still usable";
}

TEST_P(StoreTest, FindsTheNewestRecordOfEachArchiveAndRun) {
    auto store = Open();
    ASSERT_TRUE(store->AddDataRecords(
        "A", std::vector{Chr(1, "2024-05-01 10:06:00"), Chr(1, "2024-05-01 10:03:00"),
                         Chr(2, "2024-04-30 23:57:00"),
                         Chr(1, "2024-05-01 00:00:00", 0, Archive::ChrHour)}));
    ASSERT_TRUE(store->AddMessageRecords(
        "A", std::vector{Message(12, "2024-05-01 10:00:00"), Message(10, "2024-05-02 10:00:00")}));
    struct Case {
        std::string station;
        Archive archive;
        int run;
        std::optional<Timestamp> newest;
    };
    const Case cases[] = {
        {"A", Archive::ChrMinute, 1, "2024-05-01 10:06:00"},
        {"A", Archive::ChrMinute, 2, "2024-04-30 23:57:00"},
        {"A", Archive::ChrHour, 1, "2024-05-01 00:00:00"},
        {"A", Archive::ChrHour, 2, std::nullopt},
        {"A", Archive::ChrDay, 1, std::nullopt},
        {"B", Archive::ChrMinute, 1, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(store->NewestPeriod(c.station, c.archive, c.run), c.newest)
            << c.station << " " << ArchiveName(c.archive) << " " << c.run;
        EXPECT_EQ(store->Error(), "");
    }
    EXPECT_EQ(store->NewestIndex("A", Archive::Interventions), 12);
    EXPECT_EQ(store->NewestIndex("A", Archive::Diagnostics), std::nullopt);
    EXPECT_EQ(store->NewestIndex("B", Archive::Interventions), std::nullopt);
}

TEST_P(StoreTest, SummarisesEachStation) {
    auto store = Open();
    Station b{"B", "10.0.0.2:5000", 3, 1234567, "ЗОР-06", {"Нитка 1", "Нитка 2"}, "id B"};
    ASSERT_TRUE(store->SaveStation(b));
    b.address = "+79001234567";
    b.runNames = {};
    ASSERT_TRUE(store->SaveStation(b)) << store->Error();
    ASSERT_TRUE(store->AddDataRecords("A", std::vector{Chr(2, "2024-05-01 10:03:00")}));
    ASSERT_TRUE(store->AddMessageRecords("A", std::vector{Message(5, "2024-05-01 09:00:00")}));
    for (const auto& [started, outcome] :
         {std::pair{"2024-05-01 10:00:00", "ok"}, std::pair{"2024-05-01 11:00:00", "no answer"},
          std::pair{"2024-05-01 09:00:00", "ok"}}) {
        const auto id = store->BeginCollection("A", started);
        ASSERT_TRUE(id) << store->Error();
        ASSERT_TRUE(
            store->EndCollection(*id, Timestamp(started).replace(14, 2, "05"), outcome, {}, 100));
    }

    const auto stations = store->Stations();
    ASSERT_TRUE(stations) << store->Error();
    ASSERT_EQ(stations->size(), 2U);
    const StationSummary& a = (*stations)[0];
    EXPECT_EQ(a.station.name, "A");
    EXPECT_EQ(a.station.serialNumber, 0) << "entered by its collection alone";
    EXPECT_EQ(a.lastSuccess, "2024-05-01 10:05:00");
    ASSERT_EQ(a.newest.size(), 2U);
    EXPECT_EQ(a.newest[0].archive, Archive::ChrMinute);
    EXPECT_EQ(a.newest[0].run, 2);
    EXPECT_EQ(a.newest[0].newest, "2024-05-01 10:03:00");
    EXPECT_EQ(a.newest[1].archive, Archive::Interventions);
    EXPECT_EQ(a.newest[1].newestIndex, 5);

    const StationSummary& summaryB = (*stations)[1];
    EXPECT_EQ(summaryB.lastSuccess, "");
    EXPECT_TRUE(summaryB.newest.empty());
    for (const std::optional<Station>& found :
         {std::optional(summaryB.station), store->FindStation("B")}) {
        ASSERT_TRUE(found);
        EXPECT_EQ(found->address, b.address);
        EXPECT_EQ(found->controllerAddress, 3);
        EXPECT_EQ(found->serialNumber, 1234567);
        EXPECT_EQ(found->controllerName, "ЗОР-06");
        EXPECT_EQ(found->runNames, b.runNames);
        EXPECT_EQ(found->identification, "id B");
    }
    EXPECT_EQ(store->FindStation("C"), std::nullopt);
    EXPECT_EQ(store->Error(), "");
}

TEST_P(StoreTest, LogsACollectionThatNeverEnded) {
    auto store = Open();
    const auto first = store->BeginCollection("A", "2024-05-01 10:00:00");
    const auto killed = store->BeginCollection("A", "2024-05-01 10:30:00");
    const auto other = store->BeginCollection("B", "2024-05-01 10:10:00");
    ASSERT_TRUE(first && killed && other);
    const std::vector<ArchiveCount> counts = {
        {Archive::Interventions, 0, 4}, {Archive::ChrMinute, 2, 20}, {Archive::ChrMinute, 1, 21}};
    ASSERT_TRUE(store->EndCollection(*first, "2024-05-01 10:05:00", "ok", counts, 5000));
    EXPECT_FALSE(store->EndCollection(*killed + *other + 1, "2024-05-01 10:05:00", "ok", {}, 0));
    EXPECT_NE(store->Error().find("no such collection"), std::string::npos) << store->Error();

    const auto log = store->Log("A");
    ASSERT_TRUE(log) << store->Error();
    ASSERT_EQ(log->size(), 2U);
    EXPECT_EQ((*log)[0].ended, "2024-05-01 10:05:00");
    EXPECT_EQ((*log)[0].outcome, "ok");
    EXPECT_EQ((*log)[0].lineBytes, 5000);
    ASSERT_EQ((*log)[0].counts.size(), 3U);
    EXPECT_EQ((*log)[0].counts[0].run, 1);
    EXPECT_EQ((*log)[0].counts[0].records, 21);
    EXPECT_EQ((*log)[0].counts[2].archive, Archive::Interventions);
    EXPECT_EQ((*log)[1].id, *killed);
    EXPECT_EQ((*log)[1].started, "2024-05-01 10:30:00");
    EXPECT_EQ((*log)[1].ended, "");
    EXPECT_TRUE((*log)[1].counts.empty());

    const auto all = store->Log(std::nullopt);
    ASSERT_TRUE(all && all->size() == 3);
    EXPECT_EQ((*all)[1].station, "B") << "oldest first, whatever the station";
}

TEST_P(StoreTest, ReadsRecordsWithinARange) {
    auto store = Open();
    std::vector<DataRecord> records;
    for (const char* period : {"2024-05-01 10:06:00", "2024-05-01 10:00:00", "2024-05-01 10:03:00",
                               "2024-05-02 00:00:00"}) {
        records.push_back(Chr(1, period));
    }
    ASSERT_TRUE(store->AddDataRecords("A", records));
    ASSERT_TRUE(store->AddMessageRecords(
        "A", std::vector{Message(3, "2024-05-01 10:00:00"), Message(1, "2024-05-01 10:03:00"),
                         Message(2, "2024-05-02 10:00:00")}));
    struct Case {
        Timestamp from, to;
        std::vector<std::string> periods;
        std::vector<std::int64_t> indexes;
    };
    const Case cases[] = {
        {"",
         "",
         {"2024-05-01 10:00:00", "2024-05-01 10:03:00", "2024-05-01 10:06:00",
          "2024-05-02 00:00:00"},
         {1, 2, 3}},
        {"2024-05-01 10:03:00",
         "2024-05-01 10:06:00",
         {"2024-05-01 10:03:00", "2024-05-01 10:06:00"},
         {1}},
        {"2024-05-01 10:04:00", "", {"2024-05-01 10:06:00", "2024-05-02 00:00:00"}, {2}},
        {"", "2024-05-01 10:00:00", {"2024-05-01 10:00:00"}, {3}},
        {"2024-06-01 00:00:00", "", {}, {}},
    };
    for (const Case& c : cases) {
        const auto data = store->DataRecords("A", Archive::ChrMinute, 1, c.from, c.to);
        const auto messages = store->MessageRecords("A", Archive::Interventions, c.from, c.to);
        ASSERT_TRUE(data && messages) << store->Error();
        EXPECT_EQ(Periods(*data), c.periods) << c.from << ".." << c.to;
        std::vector<std::int64_t> indexes;
        for (const MessageRecord& m : *messages) {
            indexes.push_back(m.index);
        }
        EXPECT_EQ(indexes, c.indexes) << c.from << ".." << c.to;
    }
    EXPECT_FALSE(store->DataRecords("A", Archive::ChrMinute, 1, "2024-05-01", ""));
    EXPECT_NE(store->Error().find("not YYYY-MM-DD HH:MM:SS"), std::string::npos);
}

TEST_P(StoreTest, KeepsValuesBytesAndCellsExactly) {
    auto store = Open();
    DataRecord chr = Chr(1, "2024-05-01 10:00:00");
    chr.values[0] = kNaN;
    chr.values[1] = kInf;
    chr.values[2] = -kInf;
    chr.values[3] = 0.1 + 0.2;
    chr.values[4] = -0.0;
    chr.values[19] = 1e300;
    chr.crcValid = false;
    chr.state = 255;
    chr.statusWord = 0xFFFF;
    DataRecord empty = Chr(2, "2024-05-01 10:00:00");
    empty.raw = {};
    DataRecord wmt{
        Archive::WmtMinute, 0, "2024-05-01 10:00:00", 0, 0, {-5.5, kNaN, 0, 1e-9}, true, {}};
    for (int b = 0; b < 256; ++b) {
        wmt.raw.push_back(static_cast<std::uint8_t>(b));
    }
    std::vector<MessageRecord> messages = {
        Message(1, "2024-05-01 10:00:00", {"Давление", "", "'; DROP TABLE stations; --"}),
        Message(2, "2024-05-01 10:00:00", {}),
        // A record whose date the line spoiled: kept by its index, without a time.
        Message(3, "", {"   ***"}),
        {Archive::Diagnostics, 1, "2024-05-01 10:00:00", {}, {"x"}}};
    ASSERT_EQ(store->AddDataRecords("A", std::vector{chr, empty, wmt}), 3) << store->Error();
    ASSERT_EQ(store->AddMessageRecords("A", messages), 4) << store->Error();

    for (const DataRecord& sent : {chr, empty, wmt}) {
        const auto read = store->DataRecords("A", sent.archive, sent.run, "", "");
        ASSERT_TRUE(read && read->size() == 1) << store->Error();
        const DataRecord& back = read->front();
        EXPECT_TRUE(SameValues(back.values, sent.values)) << ArchiveName(sent.archive);
        EXPECT_EQ(back.raw, sent.raw);
        EXPECT_EQ(back.crcValid, sent.crcValid);
        EXPECT_EQ(back.state, sent.state);
        EXPECT_EQ(back.statusWord, sent.statusWord);
    }
    for (const MessageRecord& sent : messages) {
        const auto read = store->MessageRecords("A", sent.archive, "", "");
        ASSERT_TRUE(read) << store->Error();
        const auto back = std::find_if(read->begin(), read->end(), [&](const MessageRecord& m) {
            return m.index == sent.index;
        });
        ASSERT_NE(back, read->end());
        EXPECT_EQ(back->time, sent.time);
        EXPECT_EQ(back->raw, sent.raw);
        EXPECT_EQ(back->row, sent.row);
    }
}

INSTANTIATE_TEST_SUITE_P(Backends, StoreTest, ::testing::Values(Backend::Sqlite, Backend::Postgres),
                         BackendName);

TEST(OpenStore, SaysWhyItCannotOpenADatabase) {
    const auto dir =
        std::filesystem::temp_directory_path() / ("zor06_store_open_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "text.db") << "station;period;value\nA;2024-05-01;1\n";
    struct Case {
        std::string uri;
        std::string reason;
    };
    const Case cases[] = {
        {"sqlite:" + (dir / "text.db").string(), "file is not a database"},
        {"sqlite:" + (dir / "missing" / "a.db").string(), "unable to open database file"},
        {"postgresql://reader:s3cret@/nowhere?host=" + dir.string() + "&port=1", "reader@/nowhere"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_FALSE(OpenStore(c.uri, &error)) << c.uri;
        EXPECT_TRUE(error.starts_with("cannot open the collection database ")) << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
        EXPECT_EQ(error.find("s3cret"), std::string::npos) << error;
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace zor06::store::test
