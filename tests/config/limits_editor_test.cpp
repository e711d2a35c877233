// The limit tables: their ranges, the number entry, the shown precision and the checks that store
// all values or none.
#include "config/limits_editor.h"

#include <gtest/gtest.h>

#include <cstring>

namespace zor06::config {
namespace {

std::array<std::uint8_t, kLimitBytes> Table(float value) {
    std::array<std::uint8_t, kLimitBytes> bytes{};
    for (std::size_t i = 0; i < kGasParameterCount; ++i) {
        std::memcpy(bytes.data() + i * 4, &value, 4);  // the test machine is little-endian
    }
    return bytes;
}

float At(const std::array<std::uint8_t, kLimitBytes>& bytes, int parameter) {
    float value = 0;
    std::memcpy(&value, bytes.data() + parameter * 4, 4);
    return value;
}

// The defaults of a new configuration fill every used row within its range.
LimitTexts Defaults(int kind) {
    LimitTexts texts;
    for (int p = 0; p < kGasParameterCount; ++p) {
        texts[static_cast<std::size_t>(p)] =
            FixedText(LimitRangeOf(kind, p).defaultValue, LimitRangeOf(kind, p).decimals);
    }
    return texts;
}

TEST(LimitsEditor, ShowsRangesAndValuesWithTheirDecimals) {
    EXPECT_EQ(RangeText(0, 8), " 0.0001 - 50.0000");
    EXPECT_EQ(RangeText(1, 11), " 35 - 45");
    EXPECT_EQ(RangeText(2, 15), "Не используется");
    EXPECT_EQ(FixedText(37.6, LimitRangeOf(1, 11).decimals), "38");
    EXPECT_EQ(LimitRangeOf(3, 4).decimals, 4);
    EXPECT_EQ(LimitRangeOf(4, 4).decimals, 3);
    EXPECT_EQ(FillLimits(1, Table(0.5F))[0], "0.500");
    EXPECT_EQ(FillLimits(1, Table(0.5F))[16], "0");
    EXPECT_EQ(LimitTable(4), 26);
}

TEST(LimitsEditor, ChecksEveryValueAndStoresAllOrNone) {
    struct Case {
        int kind;
        int parameter;
        const char* typed;
        bool accepted;
    } const cases[] = {
        {0, 8, "50.00001", true},  // within the tolerance
        {0, 8, "50.0001", false}, {0, 8, "0.0001", true}, {0, 8, "0.00005", false},
        {1, 11, "38", true},      {1, 9, "12.5", false},  {1, 9, "-", false},
        {1, 9, "1e", false},      {4, 14, "1e0", true},   {3, 12, "0.66", true},
    };
    for (const Case& c : cases) {
        LimitTexts texts = Defaults(c.kind);
        texts[static_cast<std::size_t>(c.parameter)] = c.typed;
        auto target = Table(-7.0F);
        const Refusal r = AcceptLimits(c.kind, texts, target);
        EXPECT_EQ(!r, c.accepted) << c.kind << "/" << c.parameter << " " << c.typed;
        if (r) {
            EXPECT_EQ(r->text2, "Вводите значения согласно допустимому диапазону");
            EXPECT_EQ(target, Table(-7.0F)) << "rows before the refused one were stored";
        } else {
            EXPECT_EQ(At(target, 15), -7.0F);  // unused fields keep what they held
            EXPECT_NE(At(target, 0), -7.0F);
        }
    }
    LimitTexts empty = Defaults(2);
    empty[3].clear();
    auto target = Table(1.0F);
    EXPECT_EQ(AcceptLimits(2, empty, target)->text1, "Введены не все параметры");
    LimitTexts refused = Defaults(1);
    refused[9] = "13";
    EXPECT_EQ(AcceptLimits(1, refused, target)->text1,
              "Параметр \" Молярная доля диоксида углерода \".");
}

TEST(LimitsEditor, NumberEntryTakesOnlyWhatKeepsANumber) {
    struct Case {
        const char* text;
        std::size_t at;
        char c;
        bool taken;
    } const cases[] = {
        {"", 0, '5', true},          {"12", 1, 'e', false},   {"12", 2, 'e', true},
        {"", 0, 'e', false},         {"1e", 2, 'e', false},   {"1.5", 3, '.', false},
        {"1e5", 2, '.', false},      {"15", 0, '-', true},    {"-15", 0, '-', false},
        {"1e", 2, '-', true},        {"1e-", 3, '+', false},  {"1e", 2, '+', true},
        {"1e-", 3, '5', true},       {"1e-5", 4, '5', false}, {"1e5", 3, '5', true},
        {"12345678", 8, '9', false}, {"1", 1, ',', true},     {"1", 1, 'x', false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AcceptsNumberChar(c.text, c.at, c.c), c.taken)
            << "'" << c.c << "' at " << c.at << " of \"" << c.text << "\"";
    }
}

}  // namespace
}  // namespace zor06::config
