// The period of writing the hourly means of the gas parameters to the flow computers (table 28).
#pragma once

#include <span>

#include "config/screens/EditorDialog.h"

class QComboBox;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormDistr : public EditorDialog {
    Q_OBJECT
public:
    TFormDistr(std::span<std::uint8_t, 2> target, config::EditorMode mode, dialogue::Operator& op,
               QWidget* parent = nullptr);
    QComboBox* periodBox() const { return period_; }

protected:
    config::Refusal Store() override;

private:
    std::span<std::uint8_t, 2> target_;
    QComboBox* period_ = nullptr;
};

}  // namespace zor06::screens
