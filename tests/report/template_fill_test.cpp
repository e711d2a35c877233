// A template filled in place: new and existing cells in sheet order, a formula cell overwritten,
// a stale calculation chain dropped with its references, and everything else left byte for byte.
#include "report/template_fill.h"

#include "report/template_file.h"
#include "tests/support/xlsx_cells.h"

#include <sys/stat.h>
#include <unistd.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <fstream>
#include <list>
#include <optional>
#include <vector>

namespace zor06::report {
namespace {

namespace fs = std::filesystem;
using test::ZipEntry;

// Adds a calculation chain the way a spreadsheet program leaves one in a saved file.
void AddCalcChain(const fs::path& path) {
    int error = 0;
    zip_t* z = zip_open(path.c_str(), 0, &error);
    ASSERT_NE(z, nullptr);
    std::list<std::string> kept;  // read by the library when the archive is closed
    const auto add = [z, &kept](const char* name, std::string content) {
        const std::string& s = kept.emplace_back(std::move(content));
        zip_file_add(z, name, zip_source_buffer(z, s.data(), s.size(), 0), ZIP_FL_OVERWRITE);
    };
    std::string types = *ZipEntry(path, "[Content_Types].xml");
    types.insert(types.rfind("</Types>"),
                 "<Override PartName=\"/xl/calcChain.xml\" ContentType=\"application/"
                 "vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/>");
    std::string rels = *ZipEntry(path, "xl/_rels/workbook.xml.rels");
    rels.insert(rels.rfind("</Relationships>"),
                "<Relationship Id=\"rId99\" Type=\"http://schemas.openxmlformats.org/"
                "officeDocument/2006/relationships/calcChain\" Target=\"calcChain.xml\"/>");
    add("[Content_Types].xml", types);
    add("xl/_rels/workbook.xml.rels", rels);
    add("xl/calcChain.xml",
        "<calcChain xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/"
        "2006/main\"><c r=\"C3\" i=\"1\"/></calcChain>");
    ASSERT_EQ(zip_close(z), 0);
}

class TemplateFillTest : public testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() / ("zor06-fill-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        lxw_workbook* wb = workbook_new((dir_ / "t.xlsx").c_str());
        lxw_worksheet* ws = workbook_add_worksheet(wb, nullptr);
        lxw_format* framed = workbook_add_format(wb);
        format_set_border(framed, LXW_BORDER_THIN);
        worksheet_set_column(ws, 1, 3, 14, nullptr);
        worksheet_merge_range(ws, 0, 0, 0, 3, "Заголовок", framed);
        worksheet_write_blank(ws, 2, 1, framed);
        worksheet_write_formula(ws, 2, 2, "=B3*2", framed);
        worksheet_write_number(ws, 4, 4, 7, nullptr);
        ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);
        AddCalcChain(dir_ / "t.xlsx");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Sheet() {
        return ZipEntry(dir_ / "out.xlsx", "xl/worksheets/sheet1.xml").value_or("");
    }

    fs::path dir_;
};

TEST_F(TemplateFillTest, CellsAreSetInSheetOrderKeepingTheirStyle) {
    const std::vector<TemplateCell> cells{
        TemplateCell::Number(3, 2, 1.1f), TemplateCell::Text(3, 3, "текст <1>"),
        TemplateCell::Number(4, 1, 2.5f), TemplateCell::Number(5, 3, 3.0f),
        TemplateCell::Number(5, 30, 4.0f)};
    std::string reason;
    ASSERT_TRUE(FillTemplate(dir_ / "t.xlsx", cells, dir_ / "out.xlsx", &reason)) << reason;
    const std::string xml = Sheet();
    const std::string_view framed = "s=\"1\"";
    EXPECT_NE(xml.find("<c r=\"B3\" " + std::string(framed) + "><v>1.100000023841858</v></c>"),
              std::string::npos)
        << xml;
    EXPECT_NE(
        xml.find("<c r=\"C3\" " + std::string(framed) +
                 " t=\"inlineStr\"><is><t xml:space=\"preserve\">текст &lt;1&gt;</t></is></c>"),
        std::string::npos)
        << xml;
    EXPECT_EQ(xml.find("<f>"), std::string::npos);
    const std::size_t row4 = xml.find("<row r=\"4\"");
    const std::size_t row5 = xml.find("<row r=\"5\"");
    ASSERT_NE(row4, std::string::npos);
    EXPECT_LT(xml.find("<row r=\"3\""), row4);
    EXPECT_LT(row4, row5);
    EXPECT_LT(xml.find("r=\"C5\""), xml.find("r=\"E5\""));
    EXPECT_LT(xml.find("r=\"E5\""), xml.find("r=\"AD5\""));
    EXPECT_NE(xml.find("<mergeCell ref=\"A1:D1\"/>"), std::string::npos);
    EXPECT_NE(xml.find("<col min=\"2\" max=\"4\""), std::string::npos);
    for (const char* part : {"xl/styles.xml", "xl/sharedStrings.xml", "xl/workbook.xml"}) {
        EXPECT_EQ(ZipEntry(dir_ / "out.xlsx", part), ZipEntry(dir_ / "t.xlsx", part)) << part;
    }
}

TEST_F(TemplateFillTest, StaleCalculationChainGoesWithItsReferences) {
    std::string reason;
    ASSERT_TRUE(FillTemplate(dir_ / "t.xlsx", {TemplateCell::Number(3, 3, 5.0f)}, dir_ / "out.xlsx",
                             &reason))
        << reason;
    EXPECT_FALSE(ZipEntry(dir_ / "out.xlsx", "xl/calcChain.xml").has_value());
    EXPECT_EQ(ZipEntry(dir_ / "out.xlsx", "[Content_Types].xml")->find("calcChain"),
              std::string::npos);
    EXPECT_EQ(ZipEntry(dir_ / "out.xlsx", "xl/_rels/workbook.xml.rels")->find("calcChain"),
              std::string::npos);
}

TEST_F(TemplateFillTest, BadTemplateOrCellLeavesNoFile) {
    std::ofstream(dir_ / "bad.xlsx") << "not a zip";
    const struct {
        fs::path templ;
        TemplateCell cell;
    } cases[] = {{dir_ / "bad.xlsx", TemplateCell::Number(1, 1, 1.0f)},
                 {dir_ / "missing.xlsx", TemplateCell::Number(1, 1, 1.0f)},
                 {dir_ / "t.xlsx", TemplateCell::Number(0, 1, 1.0f)},
                 {dir_ / "t.xlsx", TemplateCell::Number(1, 16385, 1.0f)}};
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(FillTemplate(c.templ, {c.cell}, dir_ / "out.xlsx", &reason));
        EXPECT_FALSE(reason.empty());
        EXPECT_FALSE(fs::exists(dir_ / "out.xlsx"));
    }
}

// Templates that are no regular files, or too large packed or unpacked, are refused before they
// are read (a FIFO would hold the open, /dev/zero fill the memory), with a message naming them.
TEST_F(TemplateFillTest, OnlyRegularTemplatesOfSaneSizesAreRead) {
    const fs::path fifo = dir_ / "fifo.xlsx";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path large = dir_ / "large.xlsx";
    fs::copy_file(dir_ / "t.xlsx", large);
    fs::resize_file(large, kMaxTemplateBytes + 1);
    // A part of zeros packs into less than a hundred kilobytes.
    const fs::path bomb = dir_ / "bomb.xlsx";
    fs::copy_file(dir_ / "t.xlsx", bomb);
    {
        int error = 0;
        zip_t* z = zip_open(bomb.c_str(), 0, &error);
        ASSERT_NE(z, nullptr);
        const std::string zeros(kMaxTemplatePartBytes + 1, '\0');
        ASSERT_GE(zip_file_add(z, "xl/media/zeros.bin",
                               zip_source_buffer(z, zeros.data(), zeros.size(), 0), 0),
                  0);
        ASSERT_EQ(zip_close(z), 0);
    }
    ASSERT_LT(fs::file_size(bomb), kMaxTemplateBytes);

    const struct {
        fs::path templ;
        const char* refusal;
    } cases[] = {
        {fifo, " не является обычным файлом"},
        {"/dev/zero", " не является обычным файлом"},
        {large, " больше 16 МБ"},
        {bomb, ": часть xl/media/zeros.bin распаковывается больше чем в 64 МБ"},
    };
    for (const auto& c : cases) {
        std::string reason;
        EXPECT_FALSE(
            FillTemplate(c.templ, {TemplateCell::Number(1, 1, 1.0f)}, dir_ / "out.xlsx", &reason));
        EXPECT_EQ(reason, "Шаблон " + c.templ.string() + c.refusal);
        EXPECT_FALSE(fs::exists(dir_ / "out.xlsx"));
    }
}

TEST(CellReference, LettersCarryOverAtZ) {
    EXPECT_EQ(CellReference(2, 28), "AB2");
    EXPECT_EQ(CellReference(41, 26), "Z41");
    EXPECT_EQ(CellReference(1, 16384), "XFD1");
}

}  // namespace
}  // namespace zor06::report
