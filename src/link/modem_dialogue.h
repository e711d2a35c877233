// Bringing a modem to a known state, checking a GSM modem's readiness, and hanging up.
#pragma once

#include "link/at_command.h"
#include "link/modem_result.h"

namespace zor06::link {

// Echo off and verbose results; when the modem does not take commands (it may still be in a call)
// it is called back to command mode with "+++". NoModem when it does not answer that either.
ModemResult ModemInit(ModemPort& port);

enum class GsmState { Ready, NotReady, Interrupted };

// AT+CPAS: registered and idle ("+CPAS: 0", then "OK").
GsmState CheckGsm(ModemPort& port);

// Back to command mode and "ath", whatever the modem answers.
void HangUp(platform::ByteChannel& channel, platform::Clock& clock);

}  // namespace zor06::link
