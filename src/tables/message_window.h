// What the message window shows for each message kind: caption, three lines and its buttons.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace zor06::tables {

struct MessageLayout {
    std::string caption;
    std::array<std::string, 3> lines;
    bool question = false;  // "Да" / "Нет" instead of the acknowledge button
};

constexpr int kMessageKindCount = 12;

// The window of `kind` (0..11) for the caller's two texts; an unknown kind shows the texts
// under an empty caption.
MessageLayout LayoutMessage(int kind, std::string_view text1, std::string_view text2);

}  // namespace zor06::tables
