// A message view as CSV: a row of the column headings (their lines joined by blanks), then one
// record per view row, its cells trimmed of the blanks that align them on screen.
#pragma once

#include <filesystem>
#include <string>

#include "dataset/data_set_header.h"
#include "dialogue/operator.h"
#include "files/save_as.h"
#include "messages/message_view.h"

namespace zor06::messages {

std::string MessageViewCsv(const MessageView& view);

// "Сохранить в CSV": proposes the saved file's default name with ".csv" in `dir`.
bool SaveMessageCsv(const MessageView& view, const dataset::HdmHeader& header,
                    const std::filesystem::path& dir, const bytes::ControllerDateTime& today,
                    dialogue::Operator& op);

}  // namespace zor06::messages
