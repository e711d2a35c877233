// "Протокол кофигурации": creating a protocol of the connected controller and opening a saved
// one, both ending in the protocol screen.
#pragma once

#include "app/app_context.h"

namespace zor06::app {

// The submenu of the file menu.
void AddProtocolCommands(AppContext& app, MenuBuilder& menus);

// A protocol of what the controller image holds now: the record with the software checksum, the
// save dialog with the proposed name, the file, then the protocol screen. The restoration calls
// it after writing restored tables.
void SavePresentProtocol(AppContext& app);

}  // namespace zor06::app
