// A link object over a scripted serial port and a fake clock.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "link/hgcbox.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scripted_channel.h"

namespace zor06::test {

class LinkTest : public ::testing::Test {
protected:
    // Gives the link an open port that answers with `responder`.
    ScriptedChannel& Connect(ScriptedChannel::Responder responder) {
        auto channel = std::make_unique<ScriptedChannel>(clock, std::move(responder));
        ScriptedChannel& ref = *channel;
        link.AttachChannel(std::move(channel));
        return ref;
    }

    bool ReadTable0(std::uint8_t first = 0, std::uint8_t count = 1) {
        const std::uint8_t header[] = {0, first, count};
        return link.Request(1, header);
    }

    FakeClock clock;
    link::hgcbox link{1, clock, [](const std::string&, int, platform::OpenError*) {
                          return std::unique_ptr<platform::SerialPort>();
                      }};
};

// One chunk arriving `ms` milliseconds after the transmission.
inline Chunk At(int ms, Bytes bytes) {
    return {platform::Millis(ms), std::move(bytes)};
}

}  // namespace zor06::test
