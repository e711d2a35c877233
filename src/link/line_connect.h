// Opening the serial line of the direct and telephone link kinds and loading the link object for
// it, as "Связаться" does.
#pragma once

#include "dialogue/operator.h"
#include "link/link_parameters.h"
#include "platform/clock.h"

namespace zor06::link {

class hgcbox;

// Loads the parameters into the link object and opens its port, unless the direct line releases
// the port after each exchange (every request then opens it itself). A port that stays
// unavailable is reported as an Error message "Коммуникационный порт ... недоступен". After opening
// the line settles briefly before the first request.
bool OpenLine(hgcbox& link, const LinkParameters& parameters, dialogue::Operator& op,
              platform::Clock& clock = platform::SystemClock());

}  // namespace zor06::link
