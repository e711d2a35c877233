// Opening the serial port: waiting for a busy port, the per-request mode.
#include <memory>

#include "link/link_texts.h"
#include "tests/link/link_fixture.h"

namespace zor06::test {
namespace {

using platform::Millis;

class OpenPortTest : public ::testing::Test {
protected:
    link::SerialOpener Opener() {
        return [this](const std::string& device, const platform::LineSettings& line,
                      platform::OpenError* error) {
            ++opens;
            lastDevice = device;
            lastBaud = line.baud;
            std::unique_ptr<platform::SerialPort> port;
            if (clock.Elapsed() >= busyFor) {
                auto channel = std::make_unique<ScriptedChannel>(clock, responder);
                lastPort = channel.get();
                port = std::move(channel);
            } else {
                *error = platform::OpenError::Busy;
            }
            return port;
        };
    }
    FakeClock clock;
    platform::Duration busyFor{};
    ScriptedChannel::Responder responder = Always({});
    int opens = 0;
    std::string lastDevice;
    int lastBaud = 0;
    ScriptedChannel* lastPort = nullptr;
};

TEST_F(OpenPortTest, OpensTheComDeviceRaisesDtrAndSettles) {
    link::hgcbox link(1, clock, Opener());
    link.comPort = 3;
    link.baud = 4800;
    ASSERT_TRUE(link.OpenPort());
    EXPECT_EQ(lastDevice, "/dev/ttyS2");
    EXPECT_EQ(lastBaud, 4800);
    EXPECT_TRUE(lastPort->dtr);
    EXPECT_EQ(clock.Elapsed(), Millis(100));

    link.portName = "/dev/ttyUSB0";
    ASSERT_TRUE(link.OpenPort());
    EXPECT_EQ(lastDevice, "/dev/ttyUSB0");
}

TEST_F(OpenPortTest, ABusyPortIsRetriedForThePortWait) {
    busyFor = Millis(1500);
    link::hgcbox link(1, clock, Opener());
    link.portWaitS = 2;
    EXPECT_TRUE(link.OpenPort());
    EXPECT_GT(opens, 2);
}

TEST_F(OpenPortTest, APortBusyForTheWholeWaitIsReportedByName) {
    busyFor = Millis(60'000);
    link::hgcbox link(1, clock, Opener());
    link.portName = "/dev/ttyUSB1";
    link.portWaitS = 3;
    EXPECT_FALSE(link.OpenPort());
    EXPECT_EQ(link.status, link::status::kPortUnavailable);
    EXPECT_EQ(link.StatusText(), "Коммуникационный порт /dev/ttyUSB1 недоступен");
    EXPECT_GE(clock.Elapsed(), Millis(3000));
    EXPECT_LT(clock.Elapsed(), Millis(3100));
}

TEST_F(OpenPortTest, APortWaitOfZeroTriesOnce) {
    busyFor = Millis(60'000);
    link::hgcbox link(1, clock, Opener());
    link.portWaitS = 0;
    EXPECT_FALSE(link.OpenPort());
    EXPECT_EQ(opens, 1);
}

TEST_F(OpenPortTest, ThePerRequestModeOpensAndClosesAroundEachRequest) {
    responder = Always({At(5, ReadReply(1, 0, 0, 1, {0}))});
    link::hgcbox link(1, clock, Opener());
    link.closePortAfterExchange = true;
    link.attempts = 1;
    const std::uint8_t header[] = {0, 0, 1};
    ASSERT_TRUE(link.Request(1, header));
    ASSERT_TRUE(link.Request(1, header));
    EXPECT_EQ(opens, 2);
    EXPECT_FALSE(link.PortOpen());
    // Each request: 100 ms settle after opening, 5 ms reply, 150 ms after closing.
    EXPECT_EQ(clock.Elapsed(), 2 * Millis(100 + 5 + 150));

    busyFor = Millis(60'000);
    EXPECT_FALSE(link.Request(1, header));
    EXPECT_EQ(link.status, link::status::kPortUnavailable);
}

}  // namespace
}  // namespace zor06::test
