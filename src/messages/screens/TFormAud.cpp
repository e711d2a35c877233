#include "messages/screens/TFormAud.h"

namespace zor06::screens {

TFormAud::TFormAud(const dataset::HdmHeader& header, std::span<const std::uint8_t> content,
                   messages::ViewMode mode, std::uint32_t startIndex, MessageFormContext context,
                   dialogue::Operator& op, const messages::DecodeOptions& options, QWidget* parent)
    : MessageForm(messages::OpenMessageView(messages::Archive::Interventions, header, content, mode,
                                            startIndex, options),
                  header, std::move(context), op, 810, parent) {}

}  // namespace zor06::screens
