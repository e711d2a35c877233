// The "Параметры" menu and "Данные" → "Дата и время": the table editors on the connected
// controller.
#pragma once

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

void AddParameterMenus(screens::TFormMain& window);

}  // namespace zor06::app
