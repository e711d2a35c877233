// Masked entries of a password or an identification code, typed twice in a titled group.
#pragma once

#include <QString>
#include <array>
#include <cstddef>

class QGroupBox;
class QLineEdit;
class QWidget;

namespace zor06::screens {

// Shows '*' for every character; `digits`: only 0..9 are taken.
QLineEdit* SecretEdit(std::size_t maxLength, bool digits, QWidget* parent);

// The group with the entry and its confirmation, each named by its label.
QGroupBox* SecretPair(const QString& title, const QString& first, const QString& again,
                      const std::array<QLineEdit*, 2>& edits, QWidget* parent);

}  // namespace zor06::screens
