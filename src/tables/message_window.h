// What the message window shows for each message kind: caption, three lines and its buttons.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "dialogue/message_kind.h"

namespace zor06::tables {

struct MessageLayout {
    std::string caption;
    std::array<std::string, 3> lines;
    bool question = false;  // "Да" / "Нет" instead of the acknowledge button
};

// The window of `kind` for the caller's two texts.
MessageLayout LayoutMessage(dialogue::MessageKind kind, std::string_view text1,
                            std::string_view text2);

}  // namespace zor06::tables
