// What the configuration screen takes from a configuration and puts back into it.
#include "config/config_groups.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "config/text_field.h"

namespace zor06::config {
namespace {

TEST(ConfigGroupsTest, CaptionHoldsAFullWidthNameAndNothingAfterIt) {
    ConfigBuffer buffer = NewConfiguration();
    auto names = buffer.Part(part::kNames);
    std::fill_n(names.begin(), 20, std::uint8_t{'A'});  // no blank, no terminator
    std::fill_n(names.begin() + 20, 20, std::uint8_t{'B'});
    EXPECT_EQ(ConfigCaption(buffer),
              "Параметры конфигурации контроллера \"" + std::string(20, 'A') + "\" ");
    EXPECT_EQ(ConfigCaption(NewConfiguration()),
              "Параметры конфигурации контроллера \"Контроллер ЗОР_06\" ");
}

TEST(ConfigGroupsTest, SystemParametersEnableTheDeviceGroups) {
    struct Case {
        std::uint8_t moisture, flow;
    };
    for (const Case c : {Case{0, 0}, Case{1, 0}, Case{0, 1}, Case{1, 1}}) {
        ConfigBuffer buffer = NewConfiguration();
        buffer.Part(part::kSystem)[8] = c.moisture;
        buffer.Part(part::kSystem)[9] = c.flow;
        const ConfigGroups groups = EnabledGroups(buffer);
        EXPECT_EQ(groups.moistureMeter, c.moisture != 0);
        EXPECT_EQ(groups.flowComputers, c.flow != 0);
        EXPECT_EQ(FlowAddressesOf(buffer).empty(), c.flow == 0);
    }
}

TEST(ConfigGroupsTest, SyncSwitchesLieInTwoTables) {
    ConfigBuffer buffer = NewConfiguration();
    StoreSyncSwitches({1, 0, 1, 1}, buffer);
    EXPECT_EQ(buffer.bytes[223], 1);
    EXPECT_EQ(buffer.bytes[224], 0);
    EXPECT_EQ(buffer.bytes[333], 1);
    EXPECT_EQ(buffer.bytes[334], 1);
    EXPECT_EQ(SyncSwitchesOf(buffer), (SyncSwitches{1, 0, 1, 1}));
}

TEST(ConfigGroupsTest, FlowListGoesBackWithItsCount) {
    ConfigBuffer buffer = NewConfiguration();
    FlowListResult result;
    result.count = 2;
    result.records = FlowRecordsOf(buffer);
    result.records[1].address = 7;
    result.records[1].password.fill('x');
    StoreFlowList(result, buffer);
    EXPECT_EQ(buffer.bytes[2437], 2);
    EXPECT_EQ(buffer.bytes[443 + 20], 7);
    EXPECT_EQ(buffer.bytes[447 + 20], 'x');  // typed passwords stay as typed in memory
    EXPECT_EQ(FlowAddressesOf(buffer), (std::vector<std::uint8_t>{1, 7}));
}

TEST(ConfigGroupsTest, AnOutOfRangeCountFromAFileIndexesNoMoreThanSixteenRecords) {
    ConfigBuffer buffer = NewConfiguration();
    for (const std::uint8_t stored : {std::uint8_t{0}, std::uint8_t{17}, std::uint8_t{255}}) {
        buffer.bytes[2437] = stored;
        const int count = FlowComputerCount(buffer);
        EXPECT_GE(count, 1);
        EXPECT_LE(count, 16);
        EXPECT_EQ(FlowAddressesOf(buffer).size(), static_cast<std::size_t>(count));
    }
}

}  // namespace
}  // namespace zor06::config
