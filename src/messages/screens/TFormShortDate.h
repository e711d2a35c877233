// The period dialog of the chromatograph and moisture-meter data archives, at the archive's step
// and inside the dates the archive holds.
#pragma once

#include "messages/screens/PeriodDialog.h"
#include "messages/short_date_model.h"

class QLabel;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormShortDate : public PeriodDialog {
    Q_OBJECT
public:
    // `now` is the controller's date and time, just read into table 2.
    TFormShortDate(messages::DataArchive kind, const messages::ArchiveBounds& bounds,
                   const bytes::ControllerDateTime& now, settings::ArchiveChoices& choices,
                   dialogue::Operator& op, QWidget* parent = nullptr);

    QLabel* oldestLabel() const { return oldest_; }
    QLabel* newestLabel() const { return newest_; }
    QPushButton* cancelButton() const { return leaveButton(); }

private:
    void Apply(int preset) override;
    void AcceptClicked() override;
    messages::ShortDateEntry Entry() const;
    void Show(const messages::ShortDateEntry& entry);

    messages::ShortDateModel model_;
    QLabel* oldest_ = nullptr;
    QLabel* newest_ = nullptr;
};

}  // namespace zor06::screens
