// The "Данные" commands of the controller's messages and status.
#pragma once

#include "app/app_context.h"

#include <cstdint>
#include <span>

#include "dataset/data_set_header.h"
#include "messages/archive_kind.h"
#include "messages/message_view.h"

namespace zor06::app {

void AddMessageMenus(AppContext& app, MenuBuilder& menus);

// The archive's view on records read from the controller or on the lines of a saved file.
void ShowMessages(AppContext& app, messages::Archive archive, const dataset::HdmHeader& header,
                  std::span<const std::uint8_t> content, messages::ViewMode mode,
                  std::uint32_t startIndex);

}  // namespace zor06::app
