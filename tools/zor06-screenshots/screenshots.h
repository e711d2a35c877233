// Renders the main screens to PNG files, for the documentation (run on the offscreen platform
// against the demonstration controller).
#pragma once

#include <QString>

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

// Hooks the start-up so that every screen it passes is saved into `dir`, then saves the main
// window and the other screens and quits the application.
void CaptureScreens(screens::TFormMain& window, const QString& dir);

}  // namespace zor06::app
