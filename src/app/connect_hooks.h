// The real screens behind the connection dialog's hooks.
#pragma once

#include "dialogue/operator.h"
#include "link/screens/ConnectHooks.h"
#include "settings/settings_types.h"

namespace zor06::link {
class hgcbox;
}

namespace zor06::app {

// Fills every hook left empty with the real screen working on `settings`, `link` and `op`.
void CompleteHooks(screens::ConnectHooks& hooks, settings::ProgramSettings& settings,
                   link::hgcbox& link, dialogue::Operator& op);

}  // namespace zor06::app
