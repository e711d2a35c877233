// The printed rows of a message-archive reading.
#pragma once

#include "messages/message_reading.h"

namespace zor06::ctl {

// Prints one line per record of `set` (with --json one JSON object per line). This is where the
// decoded rows of the two archives' views join; until then each record shows its date, its time
// and its bytes in hex.
void PrintMessageRows(const messages::MessageSet& set, bool json);

}  // namespace zor06::ctl
