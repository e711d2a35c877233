// The dial step of a telephone connection: dialling the subscriber on the link's open line until
// the call is up or the operator gives up.
#pragma once

#include "link/dial_number.h"
#include "link/operator.h"
#include "platform/clock.h"

namespace zor06::link {

class hgcbox;

// Dials with the busy cursor and the dialogue in status panel 2; after a failure shows its text
// as message kind 3 with "Повторить попытку соединения?", and "Да" dials again. Clears panel 2 at
// the end. True once connected; `last`, when given, gets the final result.
bool DialSubscriber(hgcbox& link, const DialRequest& request, Operator& op,
                    platform::Clock& clock = platform::SystemClock(), ModemResult* last = nullptr);

}  // namespace zor06::link
