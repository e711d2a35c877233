// Connects the main window to the screens of the other subsystems.
#pragma once

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

void WireScreens(screens::TFormMain& window);

}  // namespace zor06::app
