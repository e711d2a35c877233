#include "collect/collecting_operator.h"

namespace zor06::collect {

bool CollectingOperator::ShowMessage(dialogue::MessageKind kind, std::string_view text1,
                                     std::string_view text2) {
    // Information ("Нет данных за указанный период") is no problem for a collection.
    if (kind != dialogue::MessageKind::Info) {
        lastProblem_.assign(text1);
        if (!text2.empty()) {
            if (!lastProblem_.empty()) {
                lastProblem_ += ' ';
            }
            lastProblem_ += text2;
        }
    }
    return false;
}

void CollectingOperator::MessageBox(std::string_view text, std::string_view /*caption*/) {
    lastProblem_ = std::string(text);
}

}  // namespace zor06::collect
