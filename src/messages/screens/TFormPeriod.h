// The period dialog of the message archives: start and end to the second, with presets.
#pragma once

#include "messages/period_dialog_model.h"
#include "messages/screens/PeriodDialog.h"

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormPeriod : public PeriodDialog {
    Q_OBJECT
public:
    // `now` is the PC clock (days since 30.12.1899).
    TFormPeriod(settings::ArchiveChoices& choices, double now, dialogue::Operator& op,
                QWidget* parent = nullptr);

    QPushButton* exitButton() const { return leaveButton(); }

private:
    void Apply(int preset) override;
    void AcceptClicked() override;
    static messages::PeriodGroup Group(const PeriodGroupBox* box);
    static void Show(PeriodGroupBox* box, const messages::PeriodGroup& group);

    messages::PeriodDialogModel model_;
};

}  // namespace zor06::screens
