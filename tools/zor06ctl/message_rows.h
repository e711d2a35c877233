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

// Builds the view of a data set (header and records or saved lines) and prints its rows.
void PrintMessageRows(messages::Archive archive, const dataset::HdmHeader& header,
                      std::span<const std::uint8_t> data, messages::ViewMode mode,
                      std::uint32_t startIndex, bool json);

}  // namespace zor06::ctl
