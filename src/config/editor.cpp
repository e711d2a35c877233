#include "config/editor.h"

namespace zor06::config {

std::string_view AcceptCaption(EditorMode mode) {
    return mode == EditorMode::Device ? "Записать в устройство" : "Принять";
}

void Report(const InputError& error, dialogue::Operator& op) {
    if (error.plainBox) {
        op.MessageBox(error.text1, error.text2);
    } else {
        op.ShowMessage(error.kind, error.text1, error.text2);
    }
}

}  // namespace zor06::config
