// "Необходимость записи  значений параметров газа в ВРГ ": which gas parameters the controller
// writes to the flow computers (table 21).
#pragma once

#include <array>
#include <span>

#include "config/distribution_editors.h"
#include "config/screens/EditorDialog.h"

class QComboBox;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormPrzDistr : public EditorDialog {
    Q_OBJECT
public:
    TFormPrzDistr(std::span<std::uint8_t, config::kGasParameterCount> target,
                  config::EditorMode mode, dialogue::Operator& op, QWidget* parent = nullptr);
    QComboBox* choiceBox(int parameter) const { return rows_[static_cast<std::size_t>(parameter)]; }

protected:
    config::Refusal Store() override;

private:
    std::span<std::uint8_t, config::kGasParameterCount> target_;
    std::array<QComboBox*, config::kGasParameterCount> rows_{};
};

}  // namespace zor06::screens
