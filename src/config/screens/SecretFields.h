// Masked entries of a password or an identification code, typed twice in a titled group.
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <variant>

#include "config/users_editors.h"
#include "dialogue/operator.h"

class QBoxLayout;
class QGroupBox;
class QLineEdit;
class QWidget;

namespace zor06::screens {

// Shows '*' for every character; `digits`: only 0..9 are taken.
QLineEdit* SecretEdit(std::size_t maxLength, bool digits, QWidget* parent);

// The group with the entry and its confirmation, each named by its label.
QGroupBox* SecretPair(const QString& title, const QString& first, const QString& again,
                      const std::array<QLineEdit*, 2>& edits, QWidget* parent);

// A user's identification code (digits only) and write password, each typed twice.
struct UserSecretEdits {
    std::array<QLineEdit*, 2> codes{};
    std::array<QLineEdit*, 2> passwords{};

    std::array<QLineEdit*, 4> All() const {
        return {codes[0], codes[1], passwords[0], passwords[1]};
    }
};

// Created code, password, code again, password again.
UserSecretEdits NewUserSecretEdits(QWidget* parent);
// The code's group, then the password's, at the end of `column`.
void AddUserSecretGroups(QBoxLayout* column, const UserSecretEdits& edits, QWidget* parent);
config::SecretEntries Entries(const UserSecretEdits& edits);
// Empties the pair the refusal names, if any, and puts the focus on its first entry.
void ClearRefused(const UserSecretEdits& edits, config::EmptyEntries empty);

// The accepted value; null when the result is a refusal, which is then reported and the pair of
// entries it names emptied.
template <class Value>
const Value* TakeAccepted(const std::variant<config::UsersRefusal, Value>& result,
                          const UserSecretEdits& edits, dialogue::Operator& op) {
    if (const auto* refusal = std::get_if<config::UsersRefusal>(&result)) {
        config::Report(refusal->error, op);
        ClearRefused(edits, refusal->empty);
        return nullptr;
    }
    return &std::get<Value>(result);
}

}  // namespace zor06::screens
