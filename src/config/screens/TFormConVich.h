// " Параметры связи с ВРГ": the controller's line to the flow computers (table 9).
#pragma once

#include <span>

#include "config/flow_computers.h"
#include "config/screens/EditorDialog.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QRadioButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormConVich : public EditorDialog {
    Q_OBJECT
public:
    TFormConVich(std::span<std::uint8_t, config::kFlowLineBytes> target, config::EditorMode mode,
                 dialogue::Operator& op, QWidget* parent = nullptr);
    QComboBox* countBox() const { return count_; }
    QLineEdit* preamblesEdit() const { return preambles_; }
    QRadioButton* modeButton(int mode) const;

protected:
    config::Refusal Store() override;

private:
    std::span<std::uint8_t, config::kFlowLineBytes> target_;
    QComboBox* count_ = nullptr;
    QComboBox* rate_ = nullptr;
    QComboBox* failures_ = nullptr;
    QComboBox* timeout_ = nullptr;
    QLineEdit* preambles_ = nullptr;
    QButtonGroup* modes_ = nullptr;  // ids are the modes
};

}  // namespace zor06::screens
