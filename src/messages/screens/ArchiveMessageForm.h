// A message view of one archive: the two views differ only in the archive they decode and the
// window's width.
#pragma once

#include "messages/screens/MessageForm.h"

namespace zor06::screens {

template <messages::Archive archive, int windowWidth>
class ArchiveMessageForm : public MessageForm {
public:
    // `content` holds records (modes 0 and 1) or saved lines (mode 2); decoded once, here.
    ArchiveMessageForm(const dataset::HdmHeader& header, std::span<const std::uint8_t> content,
                       messages::ViewMode mode, std::uint32_t startIndex,
                       MessageFormContext context, dialogue::Operator& op,
                       const messages::DecodeOptions& options = {}, QWidget* parent = nullptr)
        : MessageForm(
              messages::OpenMessageView(archive, header, content, mode, startIndex, options),
              header, std::move(context), op, windowWidth, parent) {}
};

}  // namespace zor06::screens
