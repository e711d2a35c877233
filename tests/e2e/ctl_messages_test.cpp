// zor06ctl show-messages: saved message files listed row by row, and other files refused.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/e2e/ctl_fixture.h"
#include "text/codepage.h"

namespace zor06::test {
namespace {

namespace fs = std::filesystem;

// A saved file as the program writes it: header, then lines of zero-terminated fields.
std::string SavedFile(const char* kind, const std::vector<std::size_t>& widths,
                      const std::vector<std::vector<std::string>>& rows) {
    std::string bytes(81, '\0');
    bytes.replace(0, 3, kind);
    bytes[44] = 7;
    bytes[45] = 6;
    bytes[46] = 3;
    const char period[] = {26, 12, 1, 0, 0, 0, 26, 12, 9, 23, 59, 59};
    bytes.replace(57, 12, period, 12);
    bytes[69] = static_cast<char>(rows.size());
    for (const auto& row : rows) {
        for (std::size_t c = 0; c < widths.size(); ++c) {
            std::string field = text::Utf8ToCp1251(row[c]);
            field.resize(widths[c], '\0');
            bytes += field;
        }
    }
    return bytes;
}

class CtlMessages : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("zor06-ctl-msg-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path Put(const char* name, const std::string& bytes) const {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    }
    fs::path dir;
};

TEST_F(CtlMessages, ListsTheRowsOfBothKindsTrimmedAndTabSeparated) {
    const auto ala =
        Put("d.ala", SavedFile("ALA", {20, 20, 100, 100, 20, 20, 20},
                               {{"  02.01.26", "  03:04:05", "Значение стало ниже нижней АУ",
                                 " Молярная доля метана", "89.970", "90.000", "%"},
                                {"   ***", "", "", "", "", "", ""}}));
    const auto aud =
        Put("i.AUD", SavedFile("AUD", {20, 20, 100, 20, 20, 20, 5},
                               {{"    09.12.26", "    10:00:00", "Скорость обмена с ВУ", "9600",
                                 "19200", "бит/с", "Ivan"}}));
    const struct {
        fs::path file;
        const char* out;
    } cases[] = {
        {ala,
         "02.01.26\t03:04:05\tЗначение стало ниже нижней АУ\tМолярная доля метана\t89.970\t"
         "90.000\t%\n***\t\t\t\t\t\t\n"},
        {aud, "09.12.26\t10:00:00\tСкорость обмена с ВУ\t9600\t19200\tбит/с\tIvan\n"},
    };
    for (const auto& c : cases) {
        const auto r = Ctl({"show-messages", c.file.string()});
        ASSERT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.out, c.out);
    }
    const auto json = Ctl({"show-messages", aud.string(), "--json"});
    ASSERT_EQ(json.exitCode, 0) << json.err;
    EXPECT_NE(json.out.find("\"caption\": \"Сообщения о вмешательствах оператора за период с "
                            "01.12.26 00:00:00 по 09.12.26 23:59:59\""),
              std::string::npos)
        << json.out;
    EXPECT_NE(json.out.find("[\"09.12.26\", \"10:00:00\", \"Скорость обмена с ВУ\""),
              std::string::npos)
        << json.out;
}

TEST_F(CtlMessages, RefusesFilesOfAnotherKindOrName) {
    const auto wrong = Put("x.ala", SavedFile("AUD", {20, 20, 100, 20, 20, 20, 5}, {}));
    const auto r = Ctl({"show-messages", wrong.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE((r.err + r.out).find("Файл x.ala не является файлом, содержащим"), std::string::npos)
        << r.err;
    EXPECT_EQ(Ctl({"show-messages", (dir / "x.txt").string()}).exitCode, 2);
    EXPECT_EQ(Ctl({"show-messages"}).exitCode, 2);
}

TEST_F(CtlMessages, PrintedListPagesCarryTheTitleRowsAndPageCount) {
    std::vector<std::vector<std::string>> rows;
    for (int i = 1; i <= 58; ++i) {
        rows.push_back({"    09.12.26", "    10:00:00",
                        "Адрес подключенного ВРГ " + std::to_string(i), "1", "2", "", "Ivan"});
    }
    const auto aud = Put("list.aud", SavedFile("AUD", {20, 20, 100, 20, 20, 20, 5}, rows));
    const auto r = Ctl({"show-messages", aud.string(), "--pdf", (dir / "list.pdf").string()});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    const auto text = RunProcess("pdftotext", {"-layout", (dir / "list.pdf").string(), "-"});
    ASSERT_EQ(text.exitCode, 0) << text.err;
    std::vector<std::string> pages;
    std::size_t start = 0;
    for (std::size_t at = text.out.find('\f'); at != std::string::npos;
         at = text.out.find('\f', start)) {
        pages.push_back(text.out.substr(start, at - start));
        start = at + 1;
    }
    ASSERT_EQ(pages.size(), 2U) << text.out;
    const auto has = [](const std::string& page, const char* what) {
        return page.find(what) != std::string::npos;
    };
    EXPECT_TRUE(has(pages[0], "Перечень сообщений о вмешательствах оператора"));
    EXPECT_TRUE(has(pages[0], "01.12.26 00:00:00"));  // the layout pass of pdftotext moves blanks
    EXPECT_TRUE(has(pages[0], "09.12.26 23:59:59"));
    EXPECT_TRUE(has(pages[0], "Адрес подключенного ВРГ 57"));
    EXPECT_FALSE(has(pages[0], "Адрес подключенного ВРГ 58"));
    EXPECT_TRUE(has(pages[1], "Адрес подключенного ВРГ 58"));
    EXPECT_FALSE(has(pages[1], "Перечень"));
    for (const auto& page : pages) {
        EXPECT_TRUE(has(page, "оператора"));
        EXPECT_TRUE(has(page, "из 2"));
    }
}

}  // namespace
}  // namespace zor06::test
