// The "Данные" commands of the controller's messages and status.
#pragma once

#include <cstdint>
#include <span>

#include "dataset/data_set_header.h"
#include "messages/archive_kind.h"
#include "messages/message_view.h"

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

void AddMessageMenus(screens::TFormMain& window);

// The archive's view on records read from the controller or on the lines of a saved file.
void ShowMessages(screens::TFormMain& window, messages::Archive archive,
                  const dataset::HdmHeader& header, std::span<const std::uint8_t> content,
                  messages::ViewMode mode, std::uint32_t startIndex);

}  // namespace zor06::app
