// The printed data reports as a PDF, read back with pdftotext: how the chromatograph rows fall
// into page pairs and where the summary goes, and the moisture meter's pages.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "gasdata/data_file.h"
#include "gasdata/records.h"
#include "platform/file_io.h"
#include "tables/controller_date.h"
#include "tests/e2e/ctl_fixture.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

template <typename Record>
gasdata::DataSet Hours(gasdata::DataKind kind, int count) {
    gasdata::DataSet set;
    set.kind = kind;
    set.header.SetKind(gasdata::KindOf(kind).kindLetters);
    set.header.source = gasdata::IsChromatograph(kind) ? 0 : 1;
    set.header.start = {24, 3, 1, 0, 0, 0};
    bytes::ControllerDateTime at{24, 3, 1, 0, 0, 0};
    for (int i = 0; i < count; ++i) {
        Record r;
        std::copy_n(at.begin(), 3, r.date.begin());
        r.start = {at[3], 0, 0};
        r.end = {static_cast<std::uint8_t>((at[3] + 1) % 24), 0, 0};
        if constexpr (std::is_same_v<Record, gasdata::ChrHdRecord>) {
            r.values.v[gasdata::kMethane] = 94.0F;
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

class DataPrintTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-data-print-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    // The PDF's pages as text.
    std::vector<std::string> Print(const gasdata::DataSet& set, const char* name) {
        const fs::path file = dir / name;
        std::string reason;
        EXPECT_TRUE(platform::WriteFileAtomically(file, gasdata::EncodeDataFile(set), &reason));
        const fs::path pdf = dir / "report.pdf";  // replaced by every case
        const auto r = Ctl({"--yes", "show-data", file.string(), "--pdf", pdf.string()});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        const auto text = RunProcess("pdftotext", {"-layout", pdf.string(), "-"});
        EXPECT_EQ(text.exitCode, 0) << text.err;
        std::vector<std::string> pages;
        std::size_t start = 0;
        for (std::size_t at = text.out.find('\f'); at != std::string::npos;
             at = text.out.find('\f', start)) {
            pages.push_back(text.out.substr(start, at - start));
            start = at + 1;
        }
        return pages;
    }
    static bool Has(const std::string& page, const std::string& what) {
        return page.find(what) != std::string::npos;
    }

    fs::path dir;
};

TEST_F(DataPrintTest, ChromatographRowsFallIntoPagePairsWithTheSummaryWhereItFits) {
    struct Case {
        int rows;
        std::size_t pages;
        std::vector<std::size_t> summaryPages;
    };
    for (const Case& c :
         {Case{58, 2, {0, 1}}, Case{59, 4, {2, 3}}, Case{145, 4, {2, 3}}, Case{160, 6, {4, 5}}}) {
        const auto pages =
            Print(Hours<gasdata::ChrHdRecord>(gasdata::DataKind::ChrHour, c.rows), "hours.hch");
        ASSERT_EQ(pages.size(), c.pages) << c.rows;
        for (std::size_t p = 0; p < pages.size(); ++p) {
            const bool summary = std::ranges::find(c.summaryPages, p) != c.summaryPages.end();
            EXPECT_EQ(Has(pages[p], "Средние значения"), summary) << c.rows << " page " << p;
            EXPECT_TRUE(Has(pages[p], "из " + std::to_string(c.pages))) << c.rows << " " << p;
        }
        EXPECT_TRUE(Has(pages[0], "Часовые измерительные данные нитки"));
    }
}

TEST_F(DataPrintTest, MoistureRowsTakeFiftyTwoThenFiftyNinePerPage) {
    const auto pages =
        Print(Hours<gasdata::WmtHdRecord>(gasdata::DataKind::WmtHour, 111), "hours.hwm");
    ASSERT_EQ(pages.size(), 2U);
    // 52 hours from 01.03.24 00:00 end on 03.03 at 03:00; the other 59 reach 05.03.
    EXPECT_TRUE(Has(pages[0], "03.03.24"));
    EXPECT_FALSE(Has(pages[0], "04.03.24"));
    EXPECT_FALSE(Has(pages[1], "01.03.24"));
    EXPECT_TRUE(Has(pages[1], "05.03.24"));
    EXPECT_FALSE(Has(pages[1], "Средние значения"));
    EXPECT_TRUE(Has(pages[1], "из 2"));
}

}  // namespace
}  // namespace zor06::test
