// The search for a controller's address and baud rate on a direct line.
#include "link/device_search.h"

#include <memory>
#include <vector>

#include "tests/link/link_fixture.h"
#include "tests/support/recording_operator.h"

namespace zor06::test {
namespace {

using platform::Millis;

class DeviceSearchTest : public ::testing::Test {
protected:
    // A controller at `address` that understands only `baud`; at other rates it sends garbage.
    link::SerialOpener ControllerAt(std::uint8_t address, int baud) {
        return [this, address, baud](const std::string& device, const platform::LineSettings&,
                                     platform::OpenError* error) {
            if (device != "/dev/ttyUSB0") {
                *error = platform::OpenError::Absent;
                return std::unique_ptr<platform::SerialPort>();
            }
            auto port = std::make_unique<ScriptedChannel>(clock, nullptr);
            ScriptedChannel* self = port.get();
            port->SetResponder([self, address, baud](const Bytes&) {
                if (self->currentBaud != baud) {
                    return std::vector<Chunk>{At(3, {0x33, 0x42, 0x06})};
                }
                return std::vector<Chunk>{At(3, ReadReply(address, 0, 0, 1, {0}))};
            });
            port_ = self;
            return std::unique_ptr<platform::SerialPort>(std::move(port));
        };
    }
    link::SearchParameters Params() {
        link::SearchParameters params;
        params.device = "/dev/ttyUSB0";
        params.firstByteTimeoutMs = 200;
        params.attempts = 2;
        return params;
    }
    FakeClock clock;
    RecordingOperator op;
    ScriptedChannel* port_ = nullptr;
};

TEST_F(DeviceSearchTest, FindsTheRateAfterTheSlowerOnesFailed) {
    link::hgcbox link(0, clock, ControllerAt(23, 19200));
    std::vector<int> tried;
    const auto found =
        link::SearchDevice(link, Params(), op, {[&](int b) { tried.push_back(b); }, nullptr});
    ASSERT_TRUE(found);
    EXPECT_EQ(found->address, 23);
    EXPECT_EQ(found->baud, 19200);
    EXPECT_EQ(tried.size(), 16u);
    EXPECT_EQ(tried.front(), 300);
    // Every slower rate had two attempts, each ending at the 200 ms first-byte wait.
    EXPECT_GE(clock.Elapsed(), 15 * 2 * Millis(200));
    EXPECT_FALSE(link.PortOpen());
    ASSERT_FALSE(op.messages.empty());
    EXPECT_EQ(op.messages.back().kind, dialogue::MessageKind::ExchangeResult);
    EXPECT_EQ(op.messages.back().text1, "Установлена связь с устройством");
    EXPECT_EQ(op.messages.back().text2, "Адр. = 23.  Скорость обмена = 19200");
    EXPECT_EQ(op.busyDepth, 0);
}

TEST_F(DeviceSearchTest, NoiseAtAWrongRateIsNotTakenForTheAddress) {
    // At 300 bit/s the line delivers 0x33 and a stray byte, which address 255 would adopt.
    link::hgcbox link(0, clock, ControllerAt(23, 600));
    const auto found = link::SearchDevice(link, Params(), op);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->address, 23);
}

TEST_F(DeviceSearchTest, StoppingEndsTheSearchWithoutAResult) {
    link::hgcbox link(0, clock, ControllerAt(23, 115200));
    int rates = 0;
    link::SearchHooks hooks{[&](int) { ++rates; }, [&] { return rates == 3; }};
    EXPECT_FALSE(link::SearchDevice(link, Params(), op, hooks));
    EXPECT_EQ(rates, 3);
    EXPECT_EQ(op.messages.back().text1, "Устройство не обнаружено");
}

TEST_F(DeviceSearchTest, AnUnavailablePortIsReported) {
    link::hgcbox link(0, clock, ControllerAt(23, 9600));
    auto params = Params();
    params.device = "/dev/ttyUSB9";
    params.portWaitS = 0;
    EXPECT_FALSE(link::SearchDevice(link, params, op));
    ASSERT_EQ(op.messages.size(), 1u);
    EXPECT_EQ(op.messages[0].kind, dialogue::MessageKind::Info);
    EXPECT_EQ(op.messages[0].text1, "Коммуникационный порт /dev/ttyUSB9 недоступен");
}

}  // namespace
}  // namespace zor06::test
