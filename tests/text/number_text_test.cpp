// Measured values as the views show them.
#include "text/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace zor06::text {
namespace {

TEST(NumberText, DecimalsFollowTheMagnitude) {
    struct Case {
        float value;
        const char* text;
    } const cases[] = {
        {0.0F, "0"},
        {-0.0F, "0"},
        {1.5F, "1.5000"},
        {-9.99994F, "-9.9999"},
        {10.0F, "10.000"},
        {99.5F, "99.500"},
        {100.0F, "100.00"},
        {999.5F, "999.50"},
        {1000.0F, "1000.0"},
        {-9999.9F, "-9999.9"},
        {10000.0F, "10000"},
        {123456.0F, "123456"},
        {std::numeric_limits<float>::quiet_NaN(), "NAN"},
        {std::numeric_limits<float>::infinity(), "NAN"},
        {-std::numeric_limits<float>::infinity(), "NAN"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text) << c.value;
    }
}

}  // namespace
}  // namespace zor06::text
