// "Наименования": the controller's name and the names of its two chromatograph runs (table 5).
#pragma once

#include <array>
#include <span>

#include "config/names_editor.h"
#include "config/screens/EditorDialog.h"

class QLineEdit;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormContrName : public EditorDialog {
    Q_OBJECT
public:
    TFormContrName(std::span<std::uint8_t, config::kNamesBytes> target, config::EditorMode mode,
                   dialogue::Operator& op, QWidget* parent = nullptr);
    QLineEdit* nameEdit(int i) const { return edits_[static_cast<std::size_t>(i)]; }

protected:
    config::Refusal Store() override;

private:
    std::span<std::uint8_t, config::kNamesBytes> target_;
    std::array<QLineEdit*, 3> edits_{};
};

}  // namespace zor06::screens
