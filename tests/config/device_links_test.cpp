// The chromatograph's and the moisture meter's links: the checks in their order, the fields kept,
// and temperature sources that must name a connected flow computer.
#include "config/device_links.h"

#include <gtest/gtest.h>

namespace zor06::config {
namespace {

using Table14 = std::array<std::uint8_t, kChromatographLinkBytes>;
constexpr Table14 kStored{1, 11, 1, 0, 150, 5, 3, 1, 1, 0, 1, 2, 0, 0};

TEST(ChromatographLink, TemperatureSourcesNeedConnectedFlowComputers) {
    ChromatographEntries e = FillChromatographLink(kStored, 2);
    EXPECT_EQ(e.sources[0].flowComputer, 1);
    EXPECT_EQ(e.sources[0].pipeline, 2);
    EXPECT_FALSE(FillChromatographLink(kStored, 1).sources[0].flowComputer);  // index 1 of one
    auto unused = kStored;  // run 2 not in use, its bytes holding flow computer 1, pipeline 3
    unused[12] = 1;
    unused[13] = 3;
    EXPECT_EQ(FillChromatographLink(unused, 2).sources[1].flowComputer, 1);
    EXPECT_EQ(FillChromatographLink(unused, 2).sources[1].pipeline, 3);

    auto t = kStored;
    e.sources[0].flowComputer = 2;  // past the two connected ones
    EXPECT_EQ(AcceptChromatographLink(e, 2, t)->text1, "Введены не все параметры");
    EXPECT_EQ(t, kStored);

    // Without flow computers the sources are cleared; the synchronisation switches stay.
    ASSERT_FALSE(AcceptChromatographLink(e, 0, t));
    EXPECT_EQ(t, (Table14{1, 11, 1, 0, 150, 5, 3, 1, 1, 0, 0, 0, 0, 0}));
}

TEST(ChromatographLink, ChecksInOrder) {
    struct Case {
        const char* what;
        void (*edit)(ChromatographEntries&);
        const char* text1;
    } const cases[] = {
        {"no run",
         [](ChromatographEntries& e) {
             e.runs = {false, false};
         },
         "Введены не все параметры"},
        {"another type", [](ChromatographEntries& e) { e.type = 4; }, "Введены не все параметры"},
        {"no parity", [](ChromatographEntries& e) { e.parity.reset(); },
         "Введены не все параметры"},
        {"address 248", [](ChromatographEntries& e) { e.address = "248"; }, "Адрес должен быть"},
        {"run 2 from flow computer 0, pipeline 3",
         [](ChromatographEntries& e) {
             e.runs[1] = true;
             e.sources[1] = {0, 3};
         },
         ""},
    };
    for (const Case& c : cases) {
        ChromatographEntries e = FillChromatographLink(kStored, 2);
        c.edit(e);
        auto t = kStored;
        const Refusal r = AcceptChromatographLink(e, 2, t);
        EXPECT_EQ(r ? r->text1 : std::string(), c.text1) << c.what;
        if (!r) {
            EXPECT_EQ(t[7], 3);
            EXPECT_EQ(t[12], 0);
            EXPECT_EQ(t[13], 3);
        }
    }
}

TEST(MoistureLink, ATimeoutOutOfRangeStoresNothing) {
    const std::array<std::uint8_t, kMoistureLinkBytes> stored{1, 11, 0, 0, 150, 5, 0, 0};
    MoistureEntries e = FillMoistureLink(stored);
    e.address = "9";
    e.timeout = "4";
    auto t = stored;
    const Refusal r = AcceptMoistureLink(e, t);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->text1 + "/" + r->text2, "Таймаут должен быть/в диапазоне 5...255");
    EXPECT_EQ(t, stored);
    e.timeout = "255";
    e.type = 1;
    ASSERT_FALSE(AcceptMoistureLink(e, t));
    EXPECT_EQ(t, (std::array<std::uint8_t, kMoistureLinkBytes>{9, 11, 0, 0, 255, 5, 1, 0}));
    e.address = "0";
    EXPECT_EQ(AcceptMoistureLink(e, t)->text2, "в диапазоне 1...247");
}

}  // namespace
}  // namespace zor06::config
