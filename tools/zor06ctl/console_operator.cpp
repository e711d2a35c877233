#include "zor06ctl/console_operator.h"

#include "tables/message_window.h"

namespace zor06::ctl {

void ConsoleOperator::Line(std::string_view text) {
    if (!text.empty()) {
        std::fprintf(out_, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
}

bool ConsoleOperator::ShowMessage(int kind, std::string_view text1, std::string_view text2) {
    const tables::MessageLayout layout = tables::LayoutMessage(kind, text1, text2);
    for (const std::string& line : layout.lines) {
        Line(line);
    }
    if (layout.question) {
        Line(answerYes_ ? "Да" : "Нет");
        return answerYes_;
    }
    return false;
}

void ConsoleOperator::MessageBox(std::string_view text, std::string_view caption) {
    Line(caption);
    Line(text);
}

void ConsoleOperator::SetStatusText(int, std::string_view text) {
    if (verbose) {
        Line(text);
    }
}

}  // namespace zor06::ctl
