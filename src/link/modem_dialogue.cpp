#include "link/modem_dialogue.h"

#include <string>

#include "text/text_format.h"

namespace zor06::link {
namespace {

constexpr int kCommandWaitMs = 5000;
constexpr int kGuardMs = 1200;  // silence around "+++" that the modem needs to notice it
constexpr int kInitPasses = 2;
constexpr auto kGsmLineWait = platform::Millis(5000);
constexpr char kEscapeSequence[] = "+++";

bool Confirmed(const AtReply& reply) {
    return reply.result == ModemResult::Connected && IsPositiveReply(reply.text);
}

// Steps of the initialisation after the first "ATE0" failed to confirm.
enum class InitStep { Escape, EchoOff, Verbose };

ModemResult InitFrom(ModemPort& port, InitStep step) {
    bool escapeConfirmed = false;
    for (int passes = kInitPasses;;) {
        if (step == InitStep::Escape) {
            if (!PauseFor(port, kGuardMs)) {
                return ModemResult::Interrupted;
            }
            const AtReply escape = SendAtCommand(port, kEscapeSequence, kCommandWaitMs, false);
            if (escape.result == ModemResult::NoReply) {
                return ModemResult::NoModem;
            }
            if (escape.result != ModemResult::Connected) {
                return escape.result;
            }
            escapeConfirmed = IsPositiveReply(escape.text);
            step = InitStep::EchoOff;
        }
        if (step == InitStep::EchoOff) {
            if (!PauseFor(port, kGuardMs)) {
                return ModemResult::Interrupted;
            }
            const AtReply echo = SendAtCommand(port, "ATE0\r", kCommandWaitMs, false);
            if (echo.result != ModemResult::Connected || IsPositiveReply(echo.text)) {
                return echo.result;
            }
        }
        const AtReply verbose = SendAtCommand(port, "ATV1\r", kCommandWaitMs, true);
        if (verbose.result != ModemResult::Connected || IsPositiveReply(verbose.text)) {
            return verbose.result;
        }
        if (--passes <= 0) {
            return ModemResult::Connected;
        }
        step = escapeConfirmed ? InitStep::EchoOff : InitStep::Escape;
    }
}

// One reply line of AT+CPAS that must contain `expected`.
GsmState GsmLine(ModemPort& port, const char* expected) {
    std::string line;
    const LineRead read = ReadReplyLine(port, port.clock.Now() + kGsmLineWait, &line);
    if (read == LineRead::Interrupted) {
        return GsmState::Interrupted;
    }
    if (read == LineRead::TimedOut) {
        return GsmState::NotReady;
    }
    if (port.op != nullptr) {
        port.op->SetStatusText(dialogue::Panel::Message,
                               text::Printf(" Проверка готовности GSM. Команда AT+CPAS. Ответ %s",
                                            ShownLine(line).c_str()));
        port.op->ProcessEvents();
    }
    return line.find(expected) != std::string::npos ? GsmState::Ready : GsmState::NotReady;
}

}  // namespace

ModemResult ModemInit(ModemPort& port) {
    const AtReply echo = SendAtCommand(port, "ATE0\r", kCommandWaitMs, true);
    if (echo.result != ModemResult::Connected && echo.result != ModemResult::NoReply) {
        return echo.result;
    }
    return InitFrom(port, Confirmed(echo) ? InitStep::Verbose : InitStep::Escape);
}

GsmState CheckGsm(ModemPort& port) {
    port.channel.DiscardQueues();
    if (port.op != nullptr) {
        port.op->SetStatusText(dialogue::Panel::Message,
                               " Проверка готовности GSM. Команда AT+CPAS");
        port.op->ProcessEvents();
    }
    const std::uint8_t command[] = {'A', 'T', '+', 'C', 'P', 'A', 'S', '\r'};
    port.channel.Transmit(command);
    const GsmState state = GsmLine(port, "+CPAS: 0");
    return state == GsmState::Ready ? GsmLine(port, "OK") : state;
}

void HangUp(platform::ByteChannel& channel, platform::Clock& clock) {
    constexpr int kBeforeEscapeMs = 1000;
    constexpr int kWaitMs = 2000;
    ModemPort port{channel, clock, nullptr};
    PauseFor(port, kBeforeEscapeMs);
    SendAtCommand(port, kEscapeSequence, kWaitMs, false);
    SendAtCommand(port, "ath\r", kWaitMs, false);
}

}  // namespace zor06::link
