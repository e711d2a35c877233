// The width estimate behind eliding.
#include "report/text_metrics.h"

#include <gtest/gtest.h>

namespace zor06::report {
namespace {

const Font kMono{FontFamily::Mono, 10, false};
// One character of kMono.
const double kChar = 0.602 * 10 * kMillimetresPerPoint;

TEST(TextMetricsTest, CountsCharactersNotBytes) {
    EXPECT_DOUBLE_EQ(TextWidth("Лист", kMono), 4 * kChar);
    EXPECT_DOUBLE_EQ(TextWidth("abcd", kMono), 4 * kChar);
    EXPECT_GT(TextWidth("Лист", {FontFamily::Sans, 10, true}),
              TextWidth("Лист", {FontFamily::Sans, 10, false}));
}

TEST(TextMetricsTest, ElidesOnlyWhatDoesNotFit) {
    struct Case {
        const char* text;
        double chars;
        const char* result;
    } const cases[] = {
        {"Контроллер", 10, "Контроллер"},
        {"Контроллер", 9.5, "Контролл…"},
        {"Контроллер", 1, "…"},
        {"", 0, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Elide(c.text, kMono, c.chars * kChar), c.result) << c.text;
    }
}

}  // namespace
}  // namespace zor06::report
