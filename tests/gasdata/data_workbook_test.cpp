// The data views' workbook read back: caption and heading rows, texts and numbers of the data
// rows with their formats, and a failed write that leaves nothing behind.
#include "gasdata/data_workbook.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include "gasdata/workbook_export.h"
#include "tests/gasdata/sample_views.h"
#include "tests/gasdata/xlsx_reader.h"
#include "tests/support/recording_operator.h"

namespace zor06::gasdata {
namespace {

namespace fs = std::filesystem;

class DataWorkbookTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zor06-workbook-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    test::Sheet Written(const DataView& view) {
        std::string error;
        EXPECT_TRUE(WriteDataWorkbook(view, dir_ / "out.xlsx", &error)) << error;
        auto sheet = test::ReadSheet(dir_ / "out.xlsx");
        EXPECT_TRUE(sheet.has_value());
        return sheet.value_or(test::Sheet{});
    }

    fs::path dir_;
};

TEST_F(DataWorkbookTest, HourlySheetHasCaptionGreyHeadingsAndColumnsOfWidthNine) {
    test::Sheet sheet = Written(test::ChrView(DataKind::ChrHour, 1));
    ASSERT_EQ(sheet.columns.size(), 1U);
    EXPECT_EQ(sheet.columns[0].first, 1);
    EXPECT_EQ(sheet.columns[0].last, 23);
    EXPECT_NEAR(sheet.columns[0].width, 9.71, 0.01);  // 9 characters and the cell padding
    EXPECT_EQ(sheet.rowHeights[1], 18);

    const test::SheetCell& a1 = sheet.cells["A1"];
    EXPECT_EQ(a1.text, "Часовые данные хроматографа (сер. № 7; нитка \"Север\")");
    EXPECT_EQ(a1.font, "Times New Roman");
    EXPECT_EQ(a1.fontSize, 12);
    EXPECT_EQ(a1.lines, "TB");
    EXPECT_EQ(sheet.cells["W1"].lines, "TB");
    EXPECT_FALSE(sheet.cells.contains("X1"));

    const std::map<std::string, std::string> texts{
        {"A2", "                            Начало"},
        {"C2", "Конец"},
        {"A4", "Дата"},
        {"B4", "Время"},
        {"C4", "Время"},
        {"D2", "h1a"},
        {"D3", "h1b"},
        {"D4", "h1c"},
        {"D5", "u1"},
        {"W4", "h20c"},
        {"W5", "u20"},
    };
    for (const auto& [ref, text] : texts) {
        EXPECT_EQ(sheet.cells[ref].text, text) << ref;
    }
    for (const std::string ref : {"A2", "B3", "C5", "D2", "M4", "W5"}) {
        const test::SheetCell& c = sheet.cells[ref];
        EXPECT_EQ(c.fill, "FFC0C0C0") << ref;
        EXPECT_EQ(c.font, "Times New Roman") << ref;
        EXPECT_EQ(c.fontSize, 10) << ref;
    }
    EXPECT_EQ(sheet.cells["D3"].align, "center");
    EXPECT_EQ(sheet.cells["D3"].lines, "LR");
    EXPECT_EQ(sheet.cells["D5"].lines, "LRB");
    // "Начало" stands over the date and the start time: no line parts them in row 2.
    EXPECT_EQ(sheet.cells["A2"].lines, "L");
    EXPECT_EQ(sheet.cells["B2"].lines, "R");
    EXPECT_EQ(sheet.cells["B3"].lines, "LR");
}

TEST_F(DataWorkbookTest, ValuesAreNumbersShownWithTheViewsDecimalsAndMarkersStayText) {
    DataView view = test::ChrView(DataKind::ChrHour, 3);
    view.rows[1].values[0] = "  2.0100\"";
    view.rows[2].values.assign(20, " ---");
    view.rows[2].numbers.assign(20, std::nullopt);
    std::size_t done = 0;
    std::size_t total = 0;
    std::string error;
    ASSERT_TRUE(
        WriteDataWorkbook(view, dir_ / "out.xlsx", &error, [&](std::size_t d, std::size_t t) {
            EXPECT_GE(d, done);
            done = d;
            total = t;
        }));
    EXPECT_EQ(done, 8U);
    EXPECT_EQ(total, 8U);
    test::Sheet sheet = *test::ReadSheet(dir_ / "out.xlsx");

    EXPECT_EQ(sheet.cells["A6"].text, "d1");
    EXPECT_EQ(sheet.cells["C6"].text, "e1");
    EXPECT_FALSE(sheet.cells.contains("X6"));  // the status column stays on screen
    const test::SheetCell& d6 = sheet.cells["D6"];
    EXPECT_EQ(d6.number, 1.0);
    EXPECT_EQ(d6.numberFormat, "0.0000");
    EXPECT_EQ(d6.align, "center");
    EXPECT_EQ(d6.fontSize, 10);
    EXPECT_EQ(sheet.cells["T6"].number, 17.0);  // the density column, two decimals
    EXPECT_EQ(sheet.cells["T6"].numberFormat, "0.00");
    EXPECT_EQ(sheet.cells["D7"].number, 1.01);
    EXPECT_EQ(sheet.cells["D7"].numberFormat, "0.0000\\\"");
    EXPECT_EQ(sheet.cells["D8"].text, "---");
    EXPECT_FALSE(sheet.cells["D8"].number.has_value());
    EXPECT_FALSE(sheet.cells.contains("A9"));
}

TEST_F(DataWorkbookTest, CheckColumnsFollowTheValuesWithTheirMarkedCellsFilled) {
    DataView view = test::ChrView(DataKind::ChrHour, 3);
    view.rows[2].counted = false;
    test::AddCheckColumns(view);
    test::Sheet sheet = Written(view);
    EXPECT_EQ(sheet.columns.at(0).last, 26);
    EXPECT_EQ(sheet.cells["Z1"].lines, "TB");
    const struct {
        const char* ref;
        const char* text;  // empty for a number
        double number;
        const char* format;
        const char* fill;
    } cases[] = {
        {"X2", "Тсг высш.", 0, "", "FFC0C0C0"},
        {"Y4", "ISO 6976,", 0, "", "FFC0C0C0"},
        {"Z5", "%", 0, "", "FFC0C0C0"},
        {"X6", "", 38.1, "0.0000", ""},
        {"Y6", "", 38.0, "0.0000", ""},
        {"Z6", "", 0.1 / 38 * 100, "0.000", ""},
        {"Z7", "", 1.1 / 38 * 100, "0.000", "FFFFC0C0"},
        {"X8", "---", 0, "", ""},
        {"Z8", "---", 0, "", ""},
    };
    for (const auto& c : cases) {
        const test::SheetCell& cell = sheet.cells[c.ref];
        EXPECT_EQ(cell.text, c.text) << c.ref;
        if (*c.text == '\0') {
            ASSERT_TRUE(cell.number.has_value()) << c.ref;
            EXPECT_NEAR(*cell.number, c.number, 1e-9) << c.ref;
        }
        EXPECT_EQ(cell.numberFormat, c.format) << c.ref;
        EXPECT_EQ(cell.fill, c.fill) << c.ref;
    }
    EXPECT_FALSE(sheet.cells.contains("AA6"));
}

TEST_F(DataWorkbookTest, NumberFormatsFollowTheDecimals) {
    EXPECT_EQ(NumberFormat(0, false), "0");
    EXPECT_EQ(NumberFormat(4, false), "0.0000");
    EXPECT_EQ(NumberFormat(2, true), "0.00\\\"");
    EXPECT_EQ(NumberFormat(-3, false), "0");
}

TEST_F(DataWorkbookTest, ThreeMinuteAndMoistureSheetsHaveTheirOwnLeftColumns) {
    test::Sheet minute = Written(test::ChrView(DataKind::ChrMinute, 1));
    EXPECT_EQ(minute.columns.at(0).last, 22);
    EXPECT_EQ(minute.cells["A3"].text, "Дата");
    EXPECT_EQ(minute.cells["B3"].text, "Время");
    EXPECT_EQ(minute.cells["C2"].text, "h1a");
    EXPECT_EQ(minute.cells["C6"].number, 1.0);

    test::Sheet sheet = Written(test::WmtView(DataKind::WmtHour, 1));
    ASSERT_EQ(sheet.columns.size(), 1U);
    EXPECT_EQ(sheet.columns[0].last, 8);
    EXPECT_EQ(sheet.cells["A2"].text, "Дата");
    EXPECT_EQ(sheet.cells["D3"].text, "контроллера");
    EXPECT_EQ(sheet.cells["H2"].text, "Прив. Т т.росы");
    EXPECT_EQ(sheet.cells["H5"].text, "°С");
    EXPECT_EQ(sheet.cells["D6"].text, "Норма");
    EXPECT_EQ(sheet.cells["G6"].number, 40.1);
    EXPECT_EQ(sheet.cells["G6"].numberFormat, "0.0000");
}

TEST_F(DataWorkbookTest, FailedWriteLeavesNothingBehind) {
    const DataView view = test::ChrView(DataKind::ChrMinute, 2);
    std::string error;
    EXPECT_FALSE(WriteDataWorkbook(view, dir_ / "missing" / "out.xlsx", &error));
    EXPECT_FALSE(error.empty());
    fs::create_directory(dir_ / "taken.xlsx");
    error.clear();
    EXPECT_FALSE(WriteDataWorkbook(view, dir_ / "taken.xlsx", &error));
    EXPECT_FALSE(error.empty());
    std::vector<fs::path> left;
    for (const auto& e : fs::directory_iterator(dir_)) {
        left.push_back(e.path().filename());
    }
    EXPECT_EQ(left, std::vector<fs::path>{"taken.xlsx"});
    EXPECT_TRUE(fs::is_empty(dir_ / "taken.xlsx"));
}

TEST_F(DataWorkbookTest, ExportThatCannotWriteNamesTheFileAndTheReason) {
    const fs::path target = dir_ / "taken.xlsx";
    fs::create_directory(target);
    zor06::test::RecordingOperator op;
    op.answers = {true};  // replace the existing "file"
    op.chooseFile = [&](const dialogue::FileChoice&) { return target; };
    const WorkbookExport how{dir_, {}};
    EXPECT_FALSE(ExportWorkbook(test::ChrView(DataKind::ChrHour, 1), {}, how, op));
    ASSERT_EQ(op.boxes.size(), 1U);
    const std::string prefix = "Ошибка работы с файлом!\n" + target.string() + ": ";
    EXPECT_EQ(op.boxes[0].rfind(prefix, 0), 0U) << op.boxes[0];
    EXPECT_GT(op.boxes[0].size(), prefix.size()) << "the reason is missing";
}

}  // namespace
}  // namespace zor06::gasdata
