// The dial step of a telephone connection: dialling the subscriber on the link's open line until
// the call is up or the operator gives up.
#pragma once

#include "dialogue/operator.h"
#include "link/dial_number.h"
#include "platform/clock.h"

namespace zor06::link {

class hgcbox;

// Dials with the busy cursor and the dialogue in the Message panel; after a failure shows its text
// as a Question message with "Повторить попытку соединения?", and "Да" dials again. Clears the
// Message panel at the end. True once connected; `last`, when given, gets the final result.
bool DialSubscriber(hgcbox& link, const DialRequest& request, dialogue::Operator& op,
                    platform::Clock& clock = platform::SystemClock(), ModemResult* last = nullptr);

}  // namespace zor06::link
