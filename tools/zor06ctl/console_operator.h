// The operator of the command-line tool: message windows become lines on stderr, questions are
// answered "Нет" unless the user said --yes. Even then "Повторить попытку?" after the same failed
// operation is answered "Да" only `retries` times in a row, so that a script always ends.
#pragma once

#include <cstdio>
#include <string>

#include "dialogue/operator.h"

namespace zor06::ctl {

class ConsoleOperator : public dialogue::Operator {
public:
    explicit ConsoleOperator(bool answerYes, int retries = 3, std::FILE* out = stderr)
        : answerYes_(answerYes), retries_(retries), out_(out) {}
    bool ShowMessage(dialogue::MessageKind kind, std::string_view text1,
                     std::string_view text2) override;
    void MessageBox(std::string_view text, std::string_view caption) override;
    void SetStatusText(dialogue::Panel panel, std::string_view text) override;
    void SetBusy(bool) override {}

    // Progress and status texts are shown only when asked for.
    bool verbose = false;

private:
    void Line(std::string_view text);
    bool Answer(dialogue::MessageKind kind, std::string_view text1);
    bool answerYes_;
    int retries_;
    std::string lastRetried_;  // the failed operation of the last retry question
    int retriedInARow_ = 0;
    std::FILE* out_;
};

}  // namespace zor06::ctl
