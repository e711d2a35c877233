// The operator of an unattended collection: nobody answers, so every question is declined, and
// what would have been shown is kept as the reason a station's collection failed.
#pragma once

#include <string>
#include <string_view>

#include "dialogue/operator.h"

namespace zor06::collect {

class CollectingOperator final : public dialogue::Operator {
public:
    bool ShowMessage(dialogue::MessageKind kind, std::string_view text1,
                     std::string_view text2) override;
    void MessageBox(std::string_view text, std::string_view caption) override;
    void SetStatusText(dialogue::Panel /*panel*/, std::string_view /*text*/) override {}
    void SetBusy(bool /*busy*/) override {}

    // The last error or warning shown, its two lines joined by a blank; empty when none.
    const std::string& LastProblem() const { return lastProblem_; }

private:
    std::string lastProblem_;
};

}  // namespace zor06::collect
