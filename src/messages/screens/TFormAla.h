// The view of diagnostic messages: the rows of a reading or of a saved file.
#pragma once

#include "messages/screens/MessageForm.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormAla : public MessageForm {
    Q_OBJECT
public:
    // `content` holds records (modes 0 and 1) or saved lines (mode 2); decoded once, here.
    TFormAla(const dataset::HdmHeader& header, std::span<const std::uint8_t> content,
             messages::ViewMode mode, std::uint32_t startIndex, MessageFormContext context,
             dialogue::Operator& op, const messages::DecodeOptions& options = {},
             QWidget* parent = nullptr);
};

}  // namespace zor06::screens
