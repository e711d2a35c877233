// One AT command to a Hayes-compatible modem on the link's line, and the reading of its reply
// lines. Every wait is a receive with a deadline in short slices, between which the operator's
// interface runs and Esc (the interrupt flag) is looked at.
#pragma once

#include <string>
#include <string_view>

#include "dialogue/operator.h"
#include "link/modem_result.h"
#include "platform/byte_channel.h"
#include "platform/clock.h"

namespace zor06::link {

// The modem's line. Without an operator nothing is shown and nothing interrupts (hang-up).
struct ModemPort {
    platform::ByteChannel& channel;
    platform::Clock& clock;
    dialogue::Operator* op = nullptr;
};

struct AtReply {
    ModemResult result = ModemResult::NoReply;
    std::string text;  // the reply line as it came, line ends included
};

// Sends `command` as it is (callers end it with a carriage return, except "+++") and waits up to
// `waitMs` for the reply line. With `show`, the Message panel shows the command and the reply.
AtReply SendAtCommand(ModemPort& port, std::string_view command, int waitMs, bool show);

enum class LineRead { Complete, TimedOut, Interrupted };

// Skips bytes up to the first line end, then collects the line: at least four bytes (that line
// end included) ending in a line end, or 255 bytes.
LineRead ReadReplyLine(ModemPort& port, platform::MonoTime deadline, std::string* line);

// Waits `ms` responsively; false when the operator interrupted.
bool PauseFor(ModemPort& port, int ms);

// Lets the operator's interface run; true when Esc asked to stop.
bool OperatorInterrupted(ModemPort& port);

// A reply line for showing: line ends as blanks, trimmed.
std::string ShownLine(std::string_view text);

}  // namespace zor06::link
