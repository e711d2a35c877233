// The "Отчеты" commands: the daily and monthly gas-quality passports of each run.
#pragma once

#include "app/app_context.h"

namespace zor06::app {

void AddPassportMenus(AppContext& app, MenuBuilder& menus);

}  // namespace zor06::app
