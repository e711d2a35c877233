#include "messages/screens/TFormAla.h"

namespace zor06::screens {

TFormAla::TFormAla(const dataset::HdmHeader& header, std::span<const std::uint8_t> content,
                   messages::ViewMode mode, std::uint32_t startIndex, MessageFormContext context,
                   dialogue::Operator& op, const messages::DecodeOptions& options, QWidget* parent)
    : MessageForm(messages::OpenMessageView(messages::Archive::Diagnostics, header, content, mode,
                                            startIndex, options),
                  header, std::move(context), op, 812, parent) {}

}  // namespace zor06::screens
