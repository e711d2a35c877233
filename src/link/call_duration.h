// The text of the call-duration panel.
#pragma once

#include <string>

#include "platform/clock.h"

namespace zor06::link {

// "HH:MM:SS" of the time a call has been up.
std::string CallDurationText(platform::Duration elapsed);

}  // namespace zor06::link
