// The period dialogs: a start and an end group side by side over the presets, under the title
// "Ввод периода времени запрашиваемых данных".
#pragma once

#include "messages/dialog_verdict.h"
#include "messages/screens/PresetDialog.h"

namespace zor06::screens {

class PeriodGroupBox;

class PeriodDialog : public PresetDialog {
    Q_OBJECT
public:
    // After exec() returned Accepted.
    messages::Period Result() const { return period_; }

    PeriodGroupBox* startGroup() const { return start_; }
    PeriodGroupBox* endGroup() const { return end_; }

protected:
    // Each group with `lists` time lists, `editable` or not (PeriodGroupBox).
    PeriodDialog(int lists, bool editable, dialogue::Operator& op, QWidget* parent);

    // The dialog's layout, holding the two groups; the dialog adds the rest.
    QVBoxLayout* column() const { return column_; }
    // Both groups' controls, as a preset leaves them to edit or not.
    void SetControlsEnabled(bool enabled);
    // Keeps the verdict's period and accepts the dialog, or shows its message.
    void Conclude(const messages::PeriodVerdict& verdict) {
        PresetDialog::Conclude(verdict, &period_);
    }

private:
    messages::Period period_;
    PeriodGroupBox* start_ = nullptr;
    PeriodGroupBox* end_ = nullptr;
    QVBoxLayout* column_ = nullptr;
};

}  // namespace zor06::screens
