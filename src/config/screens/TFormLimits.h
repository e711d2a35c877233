// One of the five limit tables of the gas parameters (tables 22..26): a value per parameter,
// each within its range.
#pragma once

#include <array>
#include <span>

#include "config/limits_editor.h"
#include "config/screens/EditorDialog.h"

class QLineEdit;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormLimits : public EditorDialog {
    Q_OBJECT
public:
    TFormLimits(std::span<std::uint8_t, config::kLimitBytes> target, int kind,
                config::EditorMode mode, dialogue::Operator& op, QWidget* parent = nullptr);
    QLineEdit* valueEdit(int parameter) const {
        return edits_[static_cast<std::size_t>(parameter)];
    }

protected:
    config::Refusal Store() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Reshow(int parameter);

    std::span<std::uint8_t, config::kLimitBytes> target_;
    int kind_;
    std::array<QLineEdit*, config::kGasParameterCount> edits_{};
};

}  // namespace zor06::screens
