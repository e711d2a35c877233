// Printouts written by zor06ctl and read back from the PDF hold every text whole: the message
// lists of every event, name and value the simulated controller keeps, a protocol's longest
// labels and values, and data reports whose every value is of the widest kind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cstring>
#include <filesystem>
#include <set>

#include "config/protocol_content.h"
#include "config/protocol_record.h"
#include "gasdata/data_file.h"
#include "platform/file_io.h"
#include "tests/e2e/ctl_fixture.h"
#include "tests/gasdata/data_set_builders.h"
#include "tests/support/pdf_words.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

constexpr float kWidest[] = {1e30F, -1.2345e30F, std::numeric_limits<float>::quiet_NaN()};
constexpr const char* kHuge = "1000000015047466219876688855040";

class PrintWhole : public CtlFixture {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-print-whole-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The tab-separated cells zor06ctl lists, those of the status columns left out.
    static std::set<std::string> Cells(const std::string& listed, bool valuesOnly) {
        std::set<std::string> cells;
        std::size_t start = 0;
        for (auto end = listed.find_first_of("\t\n"); end != std::string::npos;
             end = listed.find_first_of("\t\n", start)) {
            const std::string cell = listed.substr(start, end - start);
            start = end + 1;
            if (!cell.empty() &&
                (!valuesOnly || cell.find_first_not_of("0123456789.:-NA") == std::string::npos)) {
                cells.insert(cell);
            }
        }
        return cells;
    }

    // Every text that the PDF does not hold whole, once it was seen to hold a huge number.
    static std::vector<std::string> Missing(const fs::path& pdf,
                                            const std::set<std::string>& texts) {
        EXPECT_TRUE(std::ranges::any_of(texts, [](const auto& t) { return t.starts_with(kHuge); }));
        const std::vector<PdfWord> words = PdfWords(pdf);
        std::vector<std::string> missing;
        std::ranges::copy_if(texts, std::back_inserter(missing),
                             [&](const std::string& t) { return !HoldsText(words, t); });
        return missing;
    }

    fs::path dir;
};

TEST_F(PrintWhole, MessageListsHoldEveryEventNameAndValueWhole) {
    Start({"--diagnostics", "500", "--interventions", "500"});
    for (const char* archive : {"diagnostics", "interventions"}) {
        const fs::path pdf = dir / "list.pdf";
        const auto r =
            Ctl({"--yes", "--tcp", endpoint, "messages", archive, "--all", "--pdf", pdf.string()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(Missing(pdf, Cells(r.out, false)), std::vector<std::string>{}) << archive;
    }
}

TEST_F(PrintWhole, ProtocolHoldsItsLongestTextsWhole) {
    // Writing modes 1 and 2 have the longest values, the limits the widest numbers.
    for (const std::uint8_t mode : {1, 2}) {
        config::ProtocolRecord r = config::ProtocolFromConfig(config::NewConfiguration());
        r.bytes[205] = r.bytes[206] = r.bytes[207] = 1;
        r.bytes[210] = 16;
        r.bytes[215] = mode;
        for (std::size_t i = 0; i < 100; i += 7) {
            const auto bits = std::bit_cast<std::uint32_t>(kWidest[i % 3]);
            std::memcpy(&r.bytes[config::prc::kLimits.offset + 4 * i], &bits, sizeof bits);
        }
        std::set<std::string> texts;
        for (const config::ProtocolSection& s : config::BuildProtocolContent(r).sections) {
            texts.insert(s.columns.begin(), s.columns.end());
            for (const auto& row : s.rows) {
                texts.insert(row.begin(), row.end());
            }
        }
        texts.erase("");
        std::string reason;
        ASSERT_TRUE(platform::WriteFileAtomically(
            dir / "p.prc", std::string(r.bytes.begin(), r.bytes.end()), &reason));
        const auto printed = Ctl({"--yes", "print-protocol", (dir / "p.prc").string(), "--pdf",
                                  (dir / "p.pdf").string()});
        ASSERT_EQ(printed.exitCode, 0) << printed.err;
        EXPECT_EQ(Missing(dir / "p.pdf", texts), std::vector<std::string>{}) << int{mode};
    }
}

// Six hours whose values take 1e30, -1.2345e30 and not a number in turn.
template <typename Record>
gasdata::DataSet WidestHours(gasdata::DataKind kind) {
    gasdata::DataSet set = gasdata::testing::EmptySet(kind);
    set.header.source = gasdata::IsChromatograph(kind) ? 0 : 1;
    for (std::uint8_t hour = 0; hour < 6; ++hour) {
        Record r;
        r.date = {1, 3, 24};
        r.start = {hour, 0, 0};
        r.end = {static_cast<std::uint8_t>(hour + 1), 0, 0};
        auto& values = [&r]() -> auto& {
            if constexpr (std::is_same_v<Record, gasdata::ChrHdRecord>) {
                return r.values.v;
            } else {
                return r.values;
            }
        }
        ();
        for (std::size_t v = 0; v < values.size(); ++v) {
            values[v] = kWidest[(v + hour) % 3];
        }
        gasdata::testing::Add(set, r);
    }
    return set;
}

TEST_F(PrintWhole, DataReportsHoldTheWidestValuesWhole) {
    const std::pair<const char*, gasdata::DataSet> cases[] = {
        {"widest.hch", WidestHours<gasdata::ChrHdRecord>(gasdata::DataKind::ChrHour)},
        {"widest.hwm", WidestHours<gasdata::WmtHdRecord>(gasdata::DataKind::WmtHour)},
    };
    for (const auto& [name, set] : cases) {
        std::string reason;
        ASSERT_TRUE(
            platform::WriteFileAtomically(dir / name, gasdata::EncodeDataFile(set), &reason));
        const auto listed = Ctl({"show-data", (dir / name).string()});
        ASSERT_EQ(listed.exitCode, 0) << listed.err;
        ASSERT_EQ(
            Ctl({"--yes", "show-data", (dir / name).string(), "--pdf", (dir / "d.pdf").string()})
                .exitCode,
            0);
        EXPECT_EQ(Missing(dir / "d.pdf", Cells(listed.out, true)), std::vector<std::string>{})
            << name;
    }
}

}  // namespace
}  // namespace zor06::test
