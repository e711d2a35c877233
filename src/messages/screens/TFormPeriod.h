// The period dialog of the message archives: start and end to the second, with presets.
#pragma once

#include <QDialog>

#include "dialogue/operator.h"
#include "messages/period_dialog_model.h"

class QButtonGroup;
class QPushButton;

namespace zor06::screens {

class PeriodGroupBox;

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormPeriod : public QDialog {
    Q_OBJECT
public:
    // `now` is the PC clock (days since 30.12.1899).
    TFormPeriod(settings::ArchiveChoices& choices, double now, dialogue::Operator& op,
                QWidget* parent = nullptr);

    // After exec() returned Accepted.
    messages::Period Result() const { return period_; }

    PeriodGroupBox* startGroup() const { return start_; }
    PeriodGroupBox* endGroup() const { return end_; }
    QButtonGroup* presets() const { return presets_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* exitButton() const { return exit_; }

private:
    void Apply(int preset);
    void AcceptClicked();
    messages::PeriodGroup Group(const PeriodGroupBox* box) const;
    void Show(PeriodGroupBox* box, const messages::PeriodGroup& group);

    messages::PeriodDialogModel model_;
    dialogue::Operator& op_;
    messages::Period period_;
    PeriodGroupBox* start_ = nullptr;
    PeriodGroupBox* end_ = nullptr;
    QButtonGroup* presets_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
