// Dialling a telephone subscriber through the modem.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "link/at_command.h"
#include "link/modem_result.h"

namespace zor06::link {

// The AT commands of a modem command text: each begins at "AT" (either case) and runs to the next
// '^' or the end; each gets a carriage return. Text outside them is ignored.
std::vector<std::string> SplitModemCommands(std::string_view commandText);

// "ATD", the number without blanks, hyphens and parentheses, and a carriage return.
std::string DialCommand(std::string_view number);

struct DialRequest {
    std::string_view number;
    std::string_view commandText;  // the modem command text of the telephone settings
    int attempts = 1;
    int connectWaitS = 50;  // the wait of every command after the initialisation
};

// Initialises the modem, sends the modem commands, checks GSM readiness and dials, up to
// `attempts` times. Connected once the modem reports CONNECT. Esc (the interrupt flag of the
// port's operator) ends it with Interrupted.
ModemResult Dial(ModemPort& port, const DialRequest& request);

}  // namespace zor06::link
