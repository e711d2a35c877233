// What the connection screens' tests look at: the messages the operator was shown.
#pragma once

#include <string>

#include "tests/support/recording_operator.h"

namespace zor06::test {

inline constexpr char kIncomplete[] = "Введены не все параметры|";

// "text1|text2" of the last message of `kind`, or "" when the last message has another kind or
// there was none.
inline std::string LastMessage(const RecordingOperator& op, int kind) {
    if (op.messages.empty() || op.messages.back().kind != kind) {
        return {};
    }
    return op.messages.back().text1 + "|" + op.messages.back().text2;
}

}  // namespace zor06::test
