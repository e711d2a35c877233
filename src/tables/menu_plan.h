// Which menu commands the main window shows for the state of the connection.
#pragma once

#include <array>
#include <set>
#include <string>

#include "tables/controller_image.h"

namespace zor06::tables {

struct MenuPlan {
    std::set<std::string> hidden;  // menu item names (N...) to hide; all others are shown
    // The "Нитка 1" / "Нитка 2" items of the run menus: caption and visibility.
    std::array<std::string, 2> runCaptions;
    std::array<bool, 2> runVisible{};
};

// The commands for the identified state (from tables 5, 6 and 14 in the image) or for the
// unconnected one; the firmware writer is offered only unconnected, and only when it exists.
MenuPlan PlanMenus(bool identified, const ControllerImage& image, bool firmwareWriterPresent);

}  // namespace zor06::tables
