// The restoration of destroyed tables joined to the main window and the screens it opens.
#pragma once

#include "app/app_context.h"
#include "config/config_buffer.h"

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

// The configuration screen in restoring mode on a configuration; true when accepted.
using RestoreConfigScreen = bool (*)(AppContext& app, config::ConfigBuffer& buffer);

// Sets the window's restoration. Without `editConfig` a restoration that needs the
// configuration screen ends as when the operator cancels it.
void WireRestoration(screens::TFormMain& window, RestoreConfigScreen editConfig);

}  // namespace zor06::app
