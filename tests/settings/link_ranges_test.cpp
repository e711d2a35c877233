// The link parameters' ranges, and the record the link object is loaded from.
#include "settings/link_ranges.h"

#include <gtest/gtest.h>

#include <limits>

#include "link/hgcbox.h"
#include "link/link_parameters.h"
#include "settings/settings_types.h"

namespace zor06::settings {
namespace {

TEST(LinkRangesTest, DefaultsAreTheRecordsDefaults) {
    const link::LinkParameters record;
    const ProgramSettings program;
    const std::pair<LinkParameter, int> defaults[] = {
        {LinkParameter::LinkKind, program.link.linkKind},
        {LinkParameter::PortWaitS, program.link.portWaitS},
        {LinkParameter::ComPort, record.comPort},
        {LinkParameter::Address, record.address},
        {LinkParameter::Baud, record.baud},
        {LinkParameter::Preambles, record.preambles},
        {LinkParameter::Attempts, record.attempts},
        {LinkParameter::InterByteTimeoutMs, record.interByteTimeoutMs},
        {LinkParameter::FirstByteTimeoutS, link::MillisToSeconds(record.firstByteTimeoutMs)},
        {LinkParameter::PhoneFirstByteTimeoutS,
         link::MillisToSeconds(program.link.phone.record.firstByteTimeoutMs)},
        {LinkParameter::PhoneConnectWaitS, program.link.phone.connectWaitS},
        {LinkParameter::EthernetConnectWaitS, program.link.ethernet.connectWaitS},
        {LinkParameter::ConnectAttempts, program.link.ethernet.connectAttempts},
    };
    for (const auto& [parameter, value] : defaults) {
        EXPECT_EQ(RangeOf(parameter).defaultValue, value) << RangeOf(parameter).name;
        EXPECT_TRUE(Accepts(parameter, value)) << RangeOf(parameter).name;
    }
}

TEST(LinkRangesTest, BoundsAreInclusiveAndBaudRatesComeFromTheList) {
    const std::tuple<LinkParameter, long long, bool> cases[] = {
        {LinkParameter::Preambles, 0, true},
        {LinkParameter::Preambles, 256, false},
        {LinkParameter::FirstByteTimeoutS, 0, false},
        {LinkParameter::FirstByteTimeoutS, 120, true},
        {LinkParameter::FirstByteTimeoutS, 3000000, false},
        {LinkParameter::InterByteTimeoutMs, 55, true},
        {LinkParameter::InterByteTimeoutMs, 5001, false},
        {LinkParameter::Attempts, 5, true},
        {LinkParameter::Attempts, 6, false},
        {LinkParameter::Address, 255, true},
        {LinkParameter::Address, 0, false},
        {LinkParameter::PortWaitS, 20, true},
        {LinkParameter::PhoneConnectWaitS, 361, false},
        {LinkParameter::ConnectAttempts, 10, true},
        {LinkParameter::Baud, 19200, true},
        {LinkParameter::Baud, 19201, false},
        {LinkParameter::Baud, 1000, false},
        {LinkParameter::LinkKind, -1, false},
    };
    for (const auto& [parameter, value, accepted] : cases) {
        EXPECT_EQ(Accepts(parameter, value), accepted) << RangeOf(parameter).name << " " << value;
    }
    EXPECT_EQ(ValueOrDefault(LinkParameter::FirstByteTimeoutS, -1), 5);
}

TEST(LinkParametersTest, SecondsBecomeMillisecondsWithoutOverflow) {
    EXPECT_EQ(link::SecondsToMillis(120), 120000);
    EXPECT_EQ(link::SecondsToMillis(-1), -1000);
    EXPECT_EQ(link::SecondsToMillis(std::numeric_limits<std::int32_t>::max()),
              std::numeric_limits<std::int32_t>::max() / 1000 * 1000);
}

TEST(LinkParametersTest, LoadingSetsEveryValueOfTheLinkObject) {
    link::LinkParameters p;
    p.linkKind = link::LinkKind::Direct;
    p.comPort = 7;
    p.portName = "/dev/ttyACM0";
    p.address = 255;
    p.baud = 19200;
    p.preambles = 0;
    p.attempts = 3;
    p.interByteTimeoutMs = 55;
    p.firstByteTimeoutMs = 1500;
    p.portWaitS = 20;
    p.closePortAfterExchange = true;
    link::hgcbox box;
    link::LoadLinkObject(box, p);
    EXPECT_EQ(box.linkKind, link::LinkKind::Direct);
    EXPECT_EQ(box.comPort, 7);
    EXPECT_EQ(box.portName, "/dev/ttyACM0");
    EXPECT_EQ(box.address, 255);
    EXPECT_EQ(box.baud, 19200);
    EXPECT_EQ(box.preambles, 0);
    EXPECT_EQ(box.attempts, 3);
    EXPECT_EQ(box.interByteTimeoutMs, 55);
    EXPECT_EQ(box.firstByteTimeoutMs, 1500);
    EXPECT_EQ(box.portWaitS, 20);
    EXPECT_TRUE(box.closePortAfterExchange);

    p.linkKind = link::LinkKind::Telephone;  // the flag belongs to the direct line
    link::LoadLinkObject(box, p);
    EXPECT_FALSE(box.closePortAfterExchange);
}

}  // namespace
}  // namespace zor06::settings
