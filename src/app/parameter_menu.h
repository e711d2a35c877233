// The "Параметры" menu and "Данные" → "Дата и время": the table editors on the connected
// controller.
#pragma once

#include "app/app_context.h"

namespace zor06::app {

void AddParameterMenus(AppContext& app, MenuBuilder& menus);

}  // namespace zor06::app
