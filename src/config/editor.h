// What every table editor shares: the two hosts it serves and how a refused entry is reported.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "dialogue/operator.h"

namespace zor06::config {

// Device mode edits the controller image and writes what changed; file mode edits a configuration
// buffer.
enum class EditorMode { Device, File };

// The caption of the accept button of the mode.
std::string_view AcceptCaption(EditorMode mode);

// A refused entry: the message window's kind and two lines, or a plain message box.
struct InputError {
    std::string text1;
    std::string text2;
    dialogue::MessageKind kind = dialogue::MessageKind::InputError;
    bool plainBox = false;  // a message box with `text2` as its caption
};

// The outcome of an accept routine: none when every check passed and the target was stored. A
// refused entry leaves the target exactly as it was.
using Refusal = std::optional<InputError>;

inline InputError Refuse(std::string text1, std::string text2 = {}) {
    return {std::move(text1), std::move(text2)};
}

// Shows the refusal to the operator.
void Report(const InputError& error, dialogue::Operator& op);

}  // namespace zor06::config
