#include "text/codepage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace zor06::text {
namespace {

std::vector<std::uint8_t> Bytes(std::string_view text) {
    return {text.begin(), text.end()};
}

std::uint8_t To866(std::uint8_t b) {
    text::ToCp866({&b, 1});
    return b;
}

std::uint8_t To1251(std::uint8_t b) {
    text::ToCp1251({&b, 1});
    return b;
}

TEST(CodepageTest, RunNameSurvivesTheTripThrough866) {
    const std::vector<std::uint8_t> name = Bytes(text::Utf8ToCp1251("Нитка 1"));
    ASSERT_EQ(name, (std::vector<std::uint8_t>{0xCD, 0xE8, 0xF2, 0xEA, 0xE0, 0x20, 0x31}));
    std::vector<std::uint8_t> text = name;
    text::ToCp866(text);
    EXPECT_EQ(text, (std::vector<std::uint8_t>{0x8D, 0xA8, 0xE2, 0xAA, 0xA0, 0x20, 0x31}));
    text::ToCp1251(text);
    EXPECT_EQ(text, name);
}

TEST(CodepageTest, SignsMissingFrom866ComeBackAsUnderscore) {
    std::vector<std::uint8_t> text = Bytes(text::Utf8ToCp1251("ГРС — 2"));
    ASSERT_EQ(text[4], 0x97);
    text::ToCp866(text);
    text::ToCp1251(text);
    EXPECT_EQ(text::Cp1251ToUtf8({reinterpret_cast<const char*>(text.data()), text.size()}),
              "ГРС _ 2");
}

TEST(CodepageTest, LettersMapBothWays) {
    const std::pair<std::uint8_t, std::uint8_t> pairs[] = {
        {0xC0, 0x80},  // А
        {0xDF, 0x9F},  // Я
        {0xE0, 0xA0},  // а
        {0xEF, 0xAF},  // п
        {0xF0, 0xE0},  // р
        {0xFF, 0xEF},  // я
        {0xA8, 0xF0},  // Ё
        {0xB8, 0xF1},  // ё
        {0xAA, 0xF2},  // Є
        {0xBF, 0xF5},  // ї
        {0xA1, 0xF6},  // Ў
        {0xB0, 0xF8},  // °
        {0xB7, 0xFA},  // ·
        {0xB9, 0xFC},  // №
        {0xA4, 0xFD},  // ¤
        {0x41, 0x41},  // ASCII
    };
    for (const auto& [cp1251, cp866] : pairs) {
        EXPECT_EQ(To866(cp1251), cp866) << std::hex << int{cp1251};
        EXPECT_EQ(To1251(cp866), cp1251) << std::hex << int{cp866};
    }
}

TEST(CodepageTest, LookAlikesReplaceWhatTheOtherSetLacks) {
    EXPECT_EQ(To866(0xBB), 0x10);  // »
    EXPECT_EQ(To866(0xB2), 0x49);  // І → I
    EXPECT_EQ(To866(0xA9), 0x63);  // © → c
    EXPECT_EQ(To866(0x95), 0xF9);  // bullet
    EXPECT_EQ(To866(0xA0), 0x5F);  // no-break space is not carried over
    EXPECT_EQ(To1251(0xFF), 0x5F);
    EXPECT_EQ(To1251(0x0F), 0xA4);
    EXPECT_EQ(To1251(0xB3), 0xA6);  // │
    EXPECT_EQ(To1251(0xC5), 0x2B);  // ┼
    EXPECT_EQ(To1251(0xCD), 0x2D);  // ═
    EXPECT_EQ(To1251(0xDB), 0x5F);  // █
    EXPECT_EQ(To1251(0xF9), 0x95);
}

TEST(CodepageTest, EveryLetterOfBothAlphabetsRoundTrips) {
    for (unsigned b = 0xC0; b <= 0xFF; ++b) {
        const auto letter = static_cast<std::uint8_t>(b);
        EXPECT_EQ(To1251(To866(letter)), letter) << std::hex << b;
    }
    for (unsigned b = 0; b < 0x80; ++b) {
        const auto ascii = static_cast<std::uint8_t>(b);
        if (b != 0x0F && b != 0x14 && b != 0x15) {
            EXPECT_EQ(To866(ascii), ascii) << std::hex << b;
            EXPECT_EQ(To1251(ascii), ascii) << std::hex << b;
        }
    }
}

TEST(CodepageTest, Utf8RoundTripOfRussianText) {
    const std::string text = "Съешь же ещё этих мягких французских булок, да выпей чаю. №5, 20°";
    const std::string cp1251 = text::Utf8ToCp1251(text);
    EXPECT_EQ(cp1251.size(), 65U);                           // one byte a character
    EXPECT_EQ(static_cast<unsigned char>(cp1251[0]), 0xD1);  // С
    EXPECT_EQ(text::Cp1251ToUtf8(cp1251), text);
}

TEST(CodepageTest, Utf8WithoutA1251ByteBecomesQuestionMark) {
    EXPECT_EQ(text::Utf8ToCp1251("a€b"),
              "a\x88"
              "b");
    EXPECT_EQ(text::Utf8ToCp1251("a✓b"), "a?b");
    EXPECT_EQ(text::Utf8ToCp1251("a😀b"), "a?b");
    EXPECT_EQ(text::Utf8ToCp1251("a\xD0"), "a?");       // cut short
    EXPECT_EQ(text::Utf8ToCp1251("\xD0z\x80"), "?z?");  // broken sequence, stray continuation
}

}  // namespace
}  // namespace zor06::text
