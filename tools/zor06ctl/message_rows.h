// Message rows on the terminal: one line per view row, its cells trimmed of blanks and joined by
// tabs, or one JSON object with the caption, the message line and the rows.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "dataset/data_set_header.h"
#include "messages/message_view.h"

namespace zor06::ctl {

std::string MessageRowsText(const messages::MessageView& view, bool json);

}  // namespace zor06::ctl
