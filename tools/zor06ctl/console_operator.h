// The operator of the command-line tool: message windows become lines on stderr, questions are
// answered "Нет" unless the user said --yes.
#pragma once

#include <cstdio>

#include "link/operator.h"

namespace zor06::ctl {

class ConsoleOperator : public link::Operator {
public:
    explicit ConsoleOperator(bool answerYes, std::FILE* out = stderr)
        : answerYes_(answerYes), out_(out) {}
    bool ShowMessage(int kind, std::string_view text1, std::string_view text2) override;
    void MessageBox(std::string_view text, std::string_view caption) override;
    void SetStatusText(int panel, std::string_view text) override;
    void SetBusy(bool) override {}

    // Progress and status texts are shown only when asked for.
    bool verbose = false;

private:
    void Line(std::string_view text);
    bool answerYes_;
    std::FILE* out_;
};

}  // namespace zor06::ctl
