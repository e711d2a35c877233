#include "zor06ctl/console_operator.h"

#include "tables/message_window.h"

namespace zor06::ctl {
namespace {}  // namespace

void ConsoleOperator::Line(std::string_view text) {
    if (!text.empty()) {
        std::fprintf(out_, "%.*s\n", static_cast<int>(text.size()), text.data());
    }
}

bool ConsoleOperator::ShowMessage(dialogue::MessageKind kind, std::string_view text1,
                                  std::string_view text2) {
    const tables::MessageLayout layout = tables::LayoutMessage(kind, text1, text2);
    for (const std::string& line : layout.lines) {
        Line(line);
    }
    if (layout.question) {
        const bool yes = Answer(kind, text1);
        Line(yes ? "Да" : "Нет");
        return yes;
    }
    return false;
}

bool ConsoleOperator::Answer(dialogue::MessageKind kind, std::string_view text1) {
    if (!answerYes_) {
        return false;
    }
    if (kind != dialogue::MessageKind::Retry) {
        return true;
    }
    // The first text names the failed operation; the second, the link's status, may vary
    // between attempts.
    if (text1 != lastRetried_) {
        lastRetried_ = text1;
        retriedInARow_ = 0;
    }
    if (++retriedInARow_ <= retries_) {
        return true;
    }
    // Given up: a later failure of the same operation gets its retries again.
    lastRetried_.clear();
    return false;
}

void ConsoleOperator::MessageBox(std::string_view text, std::string_view caption) {
    Line(caption);
    Line(text);
}

void ConsoleOperator::SetStatusText(dialogue::Panel, std::string_view text) {
    if (verbose) {
        Line(text);
    }
}

}  // namespace zor06::ctl
