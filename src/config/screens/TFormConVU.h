// " Параметры связи с верхним уровнем ": the controller's address, baud rate and answer
// preambles on the upper-level line (table 3).
#pragma once

#include <span>

#include "config/screens/EditorDialog.h"
#include "config/upper_link_editor.h"

class QComboBox;
class QLineEdit;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormConVU : public EditorDialog {
    Q_OBJECT
public:
    // `rateEditable`: whether the rate list may be changed (see UpperLinkRateEditable).
    TFormConVU(std::span<std::uint8_t, config::kUpperLinkBytes> target, config::EditorMode mode,
               bool rateEditable, dialogue::Operator& op, QWidget* parent = nullptr);
    QComboBox* addressBox() const { return address_; }
    QComboBox* rateBox() const { return rate_; }
    QLineEdit* preamblesEdit() const { return preambles_; }

protected:
    config::Refusal Store() override;

private:
    std::span<std::uint8_t, config::kUpperLinkBytes> target_;
    QComboBox* address_ = nullptr;
    QComboBox* rate_ = nullptr;
    QLineEdit* preambles_ = nullptr;
};

}  // namespace zor06::screens
