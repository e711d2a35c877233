// The outcomes of the modem dialogue, their texts for the operator, and how a modem's reply line
// is judged.
#pragma once

#include <string_view>

namespace zor06::link {

enum class ModemResult : int {
    Connected = 0,
    NoDialTone = 1,
    Busy = 2,
    NoCarrier = 3,
    Error = 4,
    NoAnswer = 5,
    TimeLimit = 6,
    NoModem = 7,
    NotConnected = 8,
    NoReply = 9,
    Interrupted = 10,
    GsmNotReady = 11,
};

// The text the connection start-up shows for a result.
std::string_view ModemResultText(ModemResult result);

// The result a reply line stands for; a reply naming no failure is Connected (success).
ModemResult ClassifyReply(std::string_view reply);

// Whether the modem acknowledged a command: an echo, "OK", a line end or "0" (the short form).
bool IsPositiveReply(std::string_view reply);

// Whether the reply contains `upper` or its lower-case form.
bool ContainsEitherCase(std::string_view reply, std::string_view upper);

// The reply text that stands for an interrupted command.
inline constexpr std::string_view kEscapeReply = "Escape...";

}  // namespace zor06::link
