// The "Отчеты" commands: the daily and monthly gas-quality passports of each run.
#pragma once

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

void AddPassportMenus(screens::TFormMain& window);

}  // namespace zor06::app
