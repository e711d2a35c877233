// The simulator's Hayes modem front end.
#include "zor06-sim/modem.h"

#include <gtest/gtest.h>

#include <string>

namespace zor06::sim {
namespace {

using platform::Millis;

class ModemFrontEnd : public ::testing::Test {
protected:
    // Sends `text` `afterMs` after the previous bytes; what the modem says back.
    std::string Say(const std::string& text, int afterMs = 10) {
        now += Millis(afterMs);
        last =
            modem.Receive({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, now);
        return {last.toLine.begin(), last.toLine.end()};
    }
    // Lets `ms` of silence pass.
    std::string Quiet(int ms) {
        now += Millis(ms);
        last = modem.Expire(now);
        return {last.toLine.begin(), last.toLine.end()};
    }
    void Options(ModemOptions options) { modem = Modem(std::move(options)); }
    Modem modem{ModemOptions{true}};
    platform::MonoTime now{};
    ModemStep last;
};

TEST_F(ModemFrontEnd, AnswersCommandsWithEchoAndVerbosityAsSet) {
    EXPECT_EQ(Say("ATE0\r"), "ATE0\r\r\nOK\r\n");
    EXPECT_EQ(Say("\nATV1\r"), "\r\nOK\r\n");
    EXPECT_EQ(Say("at+cpas\r"), "\r\n+CPAS: 0\r\n\r\nOK\r\n");
    EXPECT_EQ(Say("ATV0\r"), "0\r");
    EXPECT_EQ(Say("ATD123\r"), "1\r");
    EXPECT_TRUE(last.callStarted);
}

TEST_F(ModemFrontEnd, CallCarriesDataUntilAnEscapeFramedBySilence) {
    Say("ATE0\r");
    EXPECT_EQ(Say("ATD123\r"), "\r\nCONNECT\r\n");
    EXPECT_EQ(Say("AT\r"), "");
    EXPECT_EQ(std::string(last.toController.begin(), last.toController.end()), "AT\r");
    // Without a second of silence before, or with bytes soon after, "+++" is data.
    Say("+++", 500);
    EXPECT_EQ(Quiet(2000), "");
    Say("+++", 1000);
    Say("x", 500);
    EXPECT_EQ(Quiet(2000), "");
    EXPECT_TRUE(modem.Online());
    Say("+++", 1000);
    EXPECT_EQ(Quiet(999), "");
    EXPECT_EQ(Quiet(1), "\r\nOK\r\n");
    EXPECT_FALSE(modem.Online());
    EXPECT_EQ(Say("ath\r"), "\r\nOK\r\n");
}

TEST_F(ModemFrontEnd, ClosingTheLineEndsTheCall) {
    Say("ATD1\r");
    modem.LineClosed();
    EXPECT_FALSE(modem.Online());
    EXPECT_EQ(Say("AT\r"), "AT\r\r\nOK\r\n");
}

TEST_F(ModemFrontEnd, OptionsChangeTheAnswers) {
    Options({true, "BUSY"});
    EXPECT_EQ(Say("ATD1\r"), "ATD1\r\r\nBUSY\r\n");
    EXPECT_FALSE(modem.Online());
    Options({true, "CONNECT", false, 3});
    EXPECT_EQ(Say("AT+CPAS\r"), "AT+CPAS\r\r\n+CPAS: 3\r\n\r\nOK\r\n");
    Options({true, "CONNECT", true});
    EXPECT_EQ(Say("ATE0\r"), "");
    Say("+++", 2000);
    EXPECT_EQ(Quiet(2000), "");
}

}  // namespace
}  // namespace zor06::sim
