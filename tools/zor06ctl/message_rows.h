// Message rows on the terminal: one line per view row, its cells trimmed of blanks and joined by
// tabs, or one JSON object with the caption, the message line and the rows, or CSV with the
// column headings.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "dataset/data_set_header.h"
#include "messages/message_view.h"
#include "zor06ctl/cli_options.h"

namespace zor06::ctl {

std::string MessageRowsText(const messages::MessageView& view, RowFormat format);

}  // namespace zor06::ctl
