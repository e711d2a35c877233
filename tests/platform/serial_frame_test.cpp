// How the settings' frame codes map onto termios flags.
#include <gtest/gtest.h>

#include "platform/serial_device.h"

namespace zor06::platform {
namespace {

TEST(ConfigureRawFrameTest, MapsDataParityAndStopBits) {
    struct Case {
        int dataBits, parity, stopBits;
        tcflag_t size, parityFlags;
        bool twoStops;
    };
    const Case cases[] = {
        {8, 0, 0, CS8, 0, false},
        {7, 1, 2, CS7, PARENB, true},
        {6, 2, 1, CS6, PARENB | PARODD, true},  // one and a half is taken as two
        {5, 0, 0, CS5, 0, false},
        {4, 7, 9, CS5, 0, false},  // below five and unknown codes fall back
        {12, -1, -1, CS8, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dataBits << "/" << c.parity << "/" << c.stopBits);
        SerialSettings settings;
        settings.dataBits = c.dataBits;
        settings.parity = c.parity;
        settings.stopBits = c.stopBits;
        // Start from a cooked terminal with every frame bit set, as a previous user may leave it.
        termios t{};
        t.c_cflag = CS8 | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL;
        t.c_lflag = ECHO | ICANON | ISIG | IEXTEN;
        t.c_iflag = IXON | IXOFF | ICRNL | ISTRIP;
        t.c_oflag = OPOST | ONLCR;
        ConfigureRawFrame(&t, settings);
        EXPECT_EQ(t.c_cflag & CSIZE, c.size);
        EXPECT_EQ(t.c_cflag & (PARENB | PARODD), c.parityFlags);
        EXPECT_EQ((t.c_cflag & CSTOPB) != 0, c.twoStops);
        EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD), static_cast<tcflag_t>(CLOCAL | CREAD));
        EXPECT_EQ(t.c_cflag & CRTSCTS, 0u);
        EXPECT_EQ(t.c_lflag & (ECHO | ICANON | ISIG | IEXTEN), 0u);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
        EXPECT_EQ(t.c_cc[VMIN], 0);
        EXPECT_EQ(t.c_cc[VTIME], 0);
    }
}

}  // namespace
}  // namespace zor06::platform
