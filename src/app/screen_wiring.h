// Connects the main window to the screens of the other subsystems.
#pragma once

#include "app/restore_wiring.h"

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

// `restoreConfig`: the configuration screen in restoring mode, which the restoration of destroyed
// tables opens on the chosen configuration file.
void WireScreens(screens::TFormMain& window, RestoreConfigScreen restoreConfig);

}  // namespace zor06::app
