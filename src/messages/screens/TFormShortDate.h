// The period dialog of the chromatograph and moisture-meter data archives, at the archive's step
// and inside the dates the archive holds.
#pragma once

#include <QDialog>

#include "dialogue/operator.h"
#include "messages/short_date_model.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace zor06::screens {

class PeriodGroupBox;

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormShortDate : public QDialog {
    Q_OBJECT
public:
    // `now` is the controller's date and time, just read into table 2.
    TFormShortDate(messages::DataArchive kind, const messages::ArchiveBounds& bounds,
                   const bytes::ControllerDateTime& now, settings::ArchiveChoices& choices,
                   dialogue::Operator& op, QWidget* parent = nullptr);

    // After exec() returned Accepted.
    messages::Period Result() const { return period_; }

    PeriodGroupBox* startGroup() const { return start_; }
    PeriodGroupBox* endGroup() const { return end_; }
    QLabel* oldestLabel() const { return oldest_; }
    QLabel* newestLabel() const { return newest_; }
    QButtonGroup* presets() const { return presets_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* cancelButton() const { return cancel_; }

private:
    void Apply(int preset);
    void AcceptClicked();
    messages::ShortDateEntry Entry() const;
    void Show(const messages::ShortDateEntry& entry);

    messages::ShortDateModel model_;
    dialogue::Operator& op_;
    messages::Period period_;
    PeriodGroupBox* start_ = nullptr;
    PeriodGroupBox* end_ = nullptr;
    QLabel* oldest_ = nullptr;
    QLabel* newest_ = nullptr;
    QButtonGroup* presets_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zor06::screens
