// Printouts written by zor06ctl and read back from the PDF hold every text whole: a protocol's
// longest labels and values, and data reports whose every value is of the widest kind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <set>

#include "config/config_buffer.h"
#include "config/protocol_content.h"
#include "config/protocol_record.h"
#include "gasdata/data_file.h"
#include "gasdata/records.h"
#include "platform/file_io.h"
#include "tables/controller_date.h"
#include "tests/e2e/ctl_fixture.h"
#include "tests/support/pdf_words.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

constexpr float kWidest[] = {1e30F, -1.2345e30F, std::numeric_limits<float>::quiet_NaN()};

class PrintWhole : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-print-whole-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path Write(const char* name, std::string_view bytes) const {
        std::string reason;
        EXPECT_TRUE(platform::WriteFileAtomically(dir / name, bytes, &reason)) << reason;
        return dir / name;
    }

    // Every text that the PDF does not hold whole.
    static std::vector<std::string> Missing(const fs::path& pdf,
                                            const std::set<std::string>& texts) {
        const std::vector<PdfWord> words = PdfWords(pdf);
        std::vector<std::string> missing;
        for (const std::string& t : texts) {
            if (!HoldsText(words, t)) {
                missing.push_back(t);
            }
        }
        return missing;
    }

    fs::path dir;
};

void PutFloat(config::ProtocolRecord& r, std::size_t offset, float value) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    std::memcpy(&r.bytes[offset], &bits, sizeof bits);
}

TEST_F(PrintWhole, ProtocolHoldsItsLongestTextsWhole) {
    // Mode 1 and 2 of writing to the flow computers have the longest values.
    for (const std::uint8_t mode : {1, 2}) {
        config::ProtocolRecord r = config::ProtocolFromConfig(config::NewConfiguration());
        r.bytes[205] = 1;
        r.bytes[206] = 1;
        r.bytes[207] = 1;
        r.bytes[210] = 16;
        r.bytes[215] = mode;
        r.bytes[223] = 3;
        for (std::size_t i = 0; i < 100; i += 7) {
            PutFloat(r, config::prc::kLimits.offset + 4 * i, kWidest[i % 3]);
        }
        const fs::path prc =
            Write("p.prc",
                  std::string_view(reinterpret_cast<const char*>(r.bytes.data()), r.bytes.size()));
        const fs::path pdf = dir / "p.pdf";
        const auto printed = Ctl({"print-protocol", prc.string(), "--pdf", pdf.string()});
        ASSERT_EQ(printed.exitCode, 0) << printed.err;

        std::set<std::string> texts;
        for (const config::ProtocolSection& s : config::BuildProtocolContent(r).sections) {
            texts.insert(s.heading);
            texts.insert(s.columns.begin(), s.columns.end());
            for (const auto& row : s.rows) {
                texts.insert(row.begin(), row.end());
            }
        }
        texts.erase("");
        ASSERT_TRUE(texts.contains(mode == 2 ? "Запись средних значений за закончившийся час"
                                             : "Запись изменённых ср. знач. за законч. час в "
                                               "нач. часа"));
        EXPECT_EQ(Missing(pdf, texts), std::vector<std::string>{}) << int{mode};
    }
}

template <typename Record>
gasdata::DataSet WidestHours(gasdata::DataKind kind, int count) {
    gasdata::DataSet set;
    set.kind = kind;
    set.header.SetKind(gasdata::KindOf(kind).kindLetters);
    set.header.source = gasdata::IsChromatograph(kind) ? 0 : 1;
    set.header.start = {24, 3, 1, 0, 0, 0};
    tables::ControllerDateTime at{24, 3, 1, 0, 0, 0};
    for (int i = 0; i < count; ++i) {
        Record r;
        std::copy_n(at.begin(), 3, r.date.begin());
        r.start = {at[3], 0, 0};
        r.end = {static_cast<std::uint8_t>((at[3] + 1) % 24), 0, 0};
        if constexpr (std::is_same_v<Record, gasdata::ChrHdRecord>) {
            for (std::size_t v = 0; v < r.values.v.size(); ++v) {
                r.values.v[v] = kWidest[(v + static_cast<std::size_t>(i)) % 3];
            }
        } else {
            for (std::size_t v = 0; v < r.values.size(); ++v) {
                r.values[v] = kWidest[(v + static_cast<std::size_t>(i)) % 3];
            }
        }
        auto bytes = r.Encode();
        gasdata::SealRecord(bytes);
        set.records.insert(set.records.end(), bytes.begin(), bytes.end());
        at = tables::StepForward(at, tables::kStepHour);
    }
    set.header.end = at;
    set.header.recordCount = static_cast<std::uint32_t>(count);
    return set;
}

TEST_F(PrintWhole, DataReportsHoldTheWidestValuesWhole) {
    const struct {
        const char* file;
        gasdata::DataSet set;
    } cases[] = {
        {"widest.hch", WidestHours<gasdata::ChrHdRecord>(gasdata::DataKind::ChrHour, 6)},
        {"widest.hwm", WidestHours<gasdata::WmtHdRecord>(gasdata::DataKind::WmtHour, 6)},
    };
    for (const auto& c : cases) {
        const fs::path file = Write(c.file, gasdata::EncodeDataFile(c.set));
        const fs::path pdf = dir / "report.pdf";
        const auto listed = Ctl({"show-data", file.string()});
        ASSERT_EQ(listed.exitCode, 0) << listed.err;
        ASSERT_EQ(Ctl({"show-data", file.string(), "--pdf", pdf.string()}).exitCode, 0);
        // The dates, times and values of the rows as the view shows them, one a line, their
        // cells parted by tabs; the status columns are not printed.
        std::set<std::string> texts;
        std::size_t start = 0;
        for (std::size_t end = listed.out.find_first_of("\t\n"); end != std::string::npos;
             end = listed.out.find_first_of("\t\n", start)) {
            const std::string cell = listed.out.substr(start, end - start);
            if (!cell.empty() && cell.find_first_not_of("0123456789.:-NA") == std::string::npos) {
                texts.insert(cell);
            }
            start = end + 1;
        }
        ASSERT_TRUE(std::ranges::any_of(texts, [](const std::string& t) {
            return t.starts_with("1000000015047466219876688855040");
        })) << listed.out;
        EXPECT_EQ(Missing(pdf, texts), std::vector<std::string>{}) << c.file;
    }
}

}  // namespace
}  // namespace zor06::test
