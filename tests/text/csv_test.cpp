// Fields and records of the CSV the views are saved as.
#include "text/csv.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zor06::text {
namespace {

TEST(CsvField, QuotesOnlyWhatAReaderWouldSplitOrTrim) {
    struct Case {
        const char* text;
        const char* field;
    } const cases[] = {
        {"Метан", "Метан"},
        {"12.3456", "12.3456"},
        {"", ""},
        {"МД метана, %", "\"МД метана, %\""},
        {"нитка \"Север\"", "\"нитка \"\"Север\"\"\""},
        {"\"", "\"\"\"\""},
        {"строка\rвторая", "\"строка\rвторая\""},
        {"строка\nвторая", "\"строка\nвторая\""},
        {"a b", "a b"},
        {" Выкл.", "\" Выкл.\""},
        {"°С ", "\"°С \""},
        {"a;b\tc", "a;b\tc"},
        {"=HYPERLINK(\"x\")", "\"'=HYPERLINK(\"\"x\"\")\""},
        {"+7 495", "'+7 495"},
        {"@SUM(A1)", "'@SUM(A1)"},
        {"-A1", "'-A1"},
        {"-12.5", "-12.5"},
        {"-1.5e-3", "-1.5e-3"},
        {"---", "---"},
        {"-", "-"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CsvField(c.text), c.field) << c.text;
    }
}

TEST(CsvRecord, JoinsFieldsByCommasAndEndsWithCrLf) {
    const std::vector<std::string> fields{"09.12.26", "", "1,5", "x"};
    EXPECT_EQ(CsvRecord(fields), "09.12.26,,\"1,5\",x\r\n");
    EXPECT_EQ(CsvRecord({}), "\r\n");
}

}  // namespace
}  // namespace zor06::text
