// Text widths from the fonts' advances, and wrapping that never loses a character.
#include "report/text_metrics.h"

#include <gtest/gtest.h>

namespace zor06::report {
namespace {

const Font kMono{FontFamily::Mono, 10, false};
// One character of kMono: DejaVu Sans Mono advances 1233 of 2048 units.
const double kChar = 1233.0 / 2048 * 10 * kMillimetresPerPoint;

TEST(TextMetricsTest, CountsCharactersNotBytes) {
    EXPECT_DOUBLE_EQ(TextWidth("Лист", kMono), 4 * kChar);
    EXPECT_DOUBLE_EQ(TextWidth("abcd", kMono), 4 * kChar);
    EXPECT_GT(TextWidth("Лист", {FontFamily::Sans, 10, true}),
              TextWidth("Лист", {FontFamily::Sans, 10, false}));
}

TEST(TextMetricsTest, WrapsOnlyWhatDoesNotFitAndLosesNoCharacter) {
    struct Case {
        const char* text;
        double chars;
        std::vector<std::string> lines;
    } const cases[] = {
        {"Контроллер", 10, {"Контроллер"}},
        {"  01.03.24", 10, {"  01.03.24"}},
        {"", 0, {""}},
        {"Контроллер", 9.5, {"Контролле", "р"}},
        {"Запись средних значений", 14, {"Запись средних", "значений"}},
        {"НР   Метан", 10, {"НР   Метан"}},
        {"НР   Метан", 6, {"НР", "Метан"}},
        {"1000000015047466219876688855040", 12, {"100000001504", "746621987668", "8855040"}},
        {"Знач. -1234500048004035767283367444480",
         12,
         {"Знач.", "-12345000480", "040357672833", "67444480"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WrapText(c.text, kMono, c.chars * kChar), c.lines) << c.text;
    }
}

}  // namespace
}  // namespace zor06::report
