// The "Данные" commands of the controller's messages and status.
#pragma once

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

void AddMessageMenus(screens::TFormMain& window);

}  // namespace zor06::app
