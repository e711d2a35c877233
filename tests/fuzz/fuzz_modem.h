// What the modem fuzz targets share: a modem on a scripted line whose answers are the fuzzer's
// bytes, on a fake clock so that no wait really waits, and an operator who may press Esc.
//
// Answers: each transmission takes the next piece of the script, [delay in 50 ms steps][length]
// [bytes], arriving in one chunk; once the script is used up the modem stays silent.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "link/at_command.h"
#include "tests/support/fake_clock.h"
#include "tests/support/recording_operator.h"
#include "tests/support/scripted_channel.h"

namespace zor06::fuzz {

inline void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Presses Esc at the given pump of the event loop (0: never) and checks that every status text
// stays on its one line.
class FuzzOperator : public test::RecordingOperator {
public:
    void ProcessEvents() override {
        RecordingOperator::ProcessEvents();
        // Esc counts only while a long operation runs, as in the program.
        if (escAtPump != 0 && eventPumps == escAtPump && InLongOperation()) {
            RequestInterrupt();
            escPressed = true;
        }
    }
    void SetStatusText(zor06::dialogue::Panel panel, std::string_view text) override {
        Require(text.find_first_of("\r\n") == std::string_view::npos);
        RecordingOperator::SetStatusText(panel, text);
    }
    int escAtPump = 0;
    bool escPressed = false;
};

// The answers still to come.
struct ModemScript {
    std::vector<test::Chunk> Next() {
        if (at + 2 > bytes.size()) {
            return {};
        }
        const auto delay = platform::Millis(50 * bytes[at]);
        const std::size_t length = std::min<std::size_t>(bytes[at + 1], bytes.size() - at - 2);
        const auto from = bytes.begin() + static_cast<long>(at + 2);
        at += 2 + length;
        return {{delay, test::Bytes(from, from + static_cast<long>(length))}};
    }
    std::vector<std::uint8_t> bytes;
    std::size_t at = 0;
};

struct FuzzedModem {
    explicit FuzzedModem(std::span<const std::uint8_t> answers)
        : script{{answers.begin(), answers.end()}},
          channel(clock, [this](const test::Bytes&) { return script.Next(); }) {}

    link::ModemPort Port() { return {channel, clock, &op}; }

    std::vector<std::string> Sent() const {
        std::vector<std::string> sent;
        for (const test::Bytes& t : channel.transmissions) {
            sent.emplace_back(t.begin(), t.end());
        }
        return sent;
    }

    test::FakeClock clock;
    FuzzOperator op;
    ModemScript script;
    test::ScriptedChannel channel;
};

}  // namespace zor06::fuzz
