#include "link/at_command.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "text/text_format.h"

namespace zor06::link {
namespace {

// Short enough that the status text repaints and Esc is noticed while a wait of minutes runs.
constexpr auto kSlice = platform::Millis(50);
constexpr auto kBeforeWrite = platform::Millis(2);
constexpr std::size_t kMinLine = 4;
constexpr std::size_t kMaxLine = 255;

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

enum class ByteRead { Got, TimedOut, Interrupted };

ByteRead NextByte(ModemPort& port, platform::MonoTime deadline, char* byte) {
    std::array<std::uint8_t, 1> buffer{};
    for (;;) {
        if (OperatorInterrupted(port)) {
            return ByteRead::Interrupted;
        }
        const platform::MonoTime now = port.clock.Now();
        if (now >= deadline) {
            return ByteRead::TimedOut;
        }
        const platform::ReceiveResult r =
            port.channel.Receive(buffer, std::min(deadline, now + kSlice));
        if (r.count == 1) {
            *byte = static_cast<char>(buffer[0]);
            return ByteRead::Got;
        }
        if (r.failed) {
            // A failing line is a silent modem; the slice keeps the retries from spinning.
            port.clock.SleepUntil(std::min(deadline, now + kSlice));
        }
    }
}

LineRead LineOutcome(ByteRead read) {
    return read == ByteRead::Interrupted ? LineRead::Interrupted : LineRead::TimedOut;
}

void Show(ModemPort& port, const std::string& text) {
    port.op->SetStatusText(dialogue::Panel::Message, text);
    port.op->ProcessEvents();
}

}  // namespace

bool OperatorInterrupted(ModemPort& port) {
    if (port.op == nullptr) {
        return false;
    }
    port.op->ProcessEvents();
    return port.op->Interrupted();
}

bool PauseFor(ModemPort& port, int ms) {
    const platform::MonoTime until = port.clock.Now() + platform::Millis(ms);
    while (port.clock.Now() < until) {
        port.clock.SleepUntil(std::min(until, port.clock.Now() + kSlice));
        if (OperatorInterrupted(port)) {
            return false;
        }
    }
    return true;
}

std::string ShownLine(std::string_view text) {
    std::string shown(text);
    std::ranges::replace_if(shown, IsLineEnd, ' ');
    const auto first = shown.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return shown.substr(first, shown.find_last_not_of(' ') - first + 1);
}

LineRead ReadReplyLine(ModemPort& port, platform::MonoTime deadline, std::string* line) {
    line->clear();
    char byte = 0;
    do {
        if (const ByteRead r = NextByte(port, deadline, &byte); r != ByteRead::Got) {
            return LineOutcome(r);
        }
    } while (!IsLineEnd(byte));
    line->push_back(byte);
    while (line->size() < kMaxLine && (line->size() < kMinLine || !IsLineEnd(line->back()))) {
        if (const ByteRead r = NextByte(port, deadline, &byte); r != ByteRead::Got) {
            return LineOutcome(r);
        }
        line->push_back(byte);
    }
    return LineRead::Complete;
}

AtReply SendAtCommand(ModemPort& port, std::string_view command, int waitMs, bool show) {
    show = show && port.op != nullptr;
    const std::string shownCommand = ShownLine(command);
    if (show) {
        Show(port, text::Printf("Связь по телефону. Команда %s", shownCommand.c_str()));
    }
    port.channel.DiscardQueues();
    port.clock.SleepFor(kBeforeWrite);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(command.data());
    port.channel.Transmit({bytes, command.size()});
    const platform::MonoTime deadline = port.clock.Now() + platform::Millis(waitMs);

    AtReply reply;
    switch (ReadReplyLine(port, deadline, &reply.text)) {
        case LineRead::Interrupted:
            reply.text = kEscapeReply;
            break;
        case LineRead::TimedOut:
            reply.result = ModemResult::NoReply;
            return reply;
        case LineRead::Complete:
            break;
    }
    if (show) {
        Show(port, text::Printf("Связь по телефону. Команда %s; Ответ %s", shownCommand.c_str(),
                                ShownLine(reply.text).c_str()));
    }
    reply.result = ClassifyReply(reply.text);
    return reply;
}

}  // namespace zor06::link
