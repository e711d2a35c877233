#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/natural_order.h"
#include "platform/serial_port_posix.h"

namespace zor06::platform {
namespace {

using std::chrono::nanoseconds;

TEST(TransmitDurationTest, CountsOneCharacterMoreThanSent) {
    // 16 characters of 10 bits at 9600 bit/s: 16.667 ms.
    EXPECT_EQ(TransmitDuration(15, 9600), nanoseconds(16'666'666));
    // 511 characters at 9600 bit/s: 532.29 ms.
    EXPECT_EQ(TransmitDuration(510, 9600), nanoseconds(532'291'666));
    // An empty write still holds the line for one character.
    EXPECT_EQ(TransmitDuration(0, 115200), nanoseconds(86'805));
}

TEST(TransmitDurationTest, UsesTheClampedRate) {
    EXPECT_EQ(TransmitDuration(9, 0), TransmitDuration(9, kMinBaud));
    EXPECT_EQ(TransmitDuration(9, 10'000'000), TransmitDuration(9, kMaxBaud));
}

TEST(ComPortDeviceTest, NumbersFromOne) {
    EXPECT_EQ(ComPortDevice(1), "/dev/ttyS0");
    EXPECT_EQ(ComPortDevice(12), "/dev/ttyS11");
    EXPECT_EQ(ComPortDevice(0), "");
}

TEST(NaturalLessTest, OrdersNumberedDevicesByValue) {
    std::vector<std::string> names = {"/dev/ttyS10",  "/dev/ttyUSB0", "/dev/ttyS2",
                                      "/dev/ttyACM1", "/dev/ttyS1",   "/dev/ttyS02"};
    std::sort(names.begin(), names.end(),
              [](const auto& a, const auto& b) { return NaturalLess(a, b); });
    const std::vector<std::string> expected = {"/dev/ttyACM1", "/dev/ttyS1",  "/dev/ttyS02",
                                               "/dev/ttyS2",   "/dev/ttyS10", "/dev/ttyUSB0"};
    EXPECT_EQ(names, expected);
}

TEST(NaturalLessTest, ShorterPrefixComesFirstAndLongNumbersDoNotOverflow) {
    EXPECT_TRUE(NaturalLess("ttyS", "ttyS0"));
    EXPECT_FALSE(NaturalLess("ttyS0", "ttyS"));
    EXPECT_TRUE(NaturalLess("x99999999999999999999999", "x100000000000000000000000"));
    EXPECT_FALSE(NaturalLess("ttyS3", "ttyS3"));
}

}  // namespace
}  // namespace zor06::platform
