// A link object over a scripted serial port and a fake clock.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string_view>

#include "link/hgcbox.h"
#include "tests/support/fake_clock.h"
#include "tests/support/scripted_channel.h"

namespace zor06::test {

// A listener whose answers each test writes as it needs them.
struct ScriptedListener : link::LinkListener {
    void StatusText(std::string_view text) override {
        if (onStatus) {
            onStatus(text);
        }
    }
    void Idle() override {
        if (onIdle) {
            onIdle();
        }
    }
    std::function<void(std::string_view)> onStatus;
    std::function<void()> onIdle;
};

// A scripted channel seen as a connection: the same bytes without the serial-line controls, so
// that the link treats it as it treats a socket.
class ScriptedConnection final : public platform::ByteChannel {
public:
    explicit ScriptedConnection(std::unique_ptr<ScriptedChannel> inner)
        : inner_(std::move(inner)) {}
    void DiscardQueues() override { inner_->DiscardQueues(); }
    long Transmit(std::span<const std::uint8_t> bytes) override { return inner_->Transmit(bytes); }
    platform::ReceiveResult Receive(std::span<std::uint8_t> into,
                                    platform::MonoTime until) override {
        return inner_->Receive(into, until);
    }

private:
    std::unique_ptr<ScriptedChannel> inner_;
};

class LinkTest : public ::testing::Test {
protected:
    // Lets `listener` hear the link from now on.
    void Listen() { link.SetListener(&listener); }

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
    link::hgcbox link{1, clock,
                      [](const std::string&, const platform::LineSettings&, platform::OpenError*) {
                          return std::unique_ptr<platform::SerialPort>();
                      }};
    ScriptedListener listener;
};

// One chunk arriving `ms` milliseconds after the transmission.
inline Chunk At(int ms, Bytes bytes) {
    return {platform::Millis(ms), std::move(bytes)};
}

}  // namespace zor06::test
