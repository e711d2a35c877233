// The index dialog of a reading by index: the archive's boundary indices, the presets and the
// entered start and count.
#pragma once

#include "messages/index_dialog_model.h"
#include "messages/screens/PresetDialog.h"

class QLineEdit;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormIndex : public PresetDialog {
    Q_OBJECT
public:
    TFormIndex(messages::Archive archive, messages::IndexBounds bounds,
               settings::ArchiveChoices& choices, dialogue::Operator& op,
               QWidget* parent = nullptr);

    // After exec() returned Accepted.
    messages::IndexSelection Selection() const { return selection_; }

    QLineEdit* startEdit() const { return start_; }
    QLineEdit* countEdit() const { return count_; }
    QPushButton* exitButton() const { return leaveButton(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply(int preset) override;
    void AcceptClicked() override;

    messages::IndexDialogModel model_;
    messages::IndexSelection selection_;
    QLineEdit* start_ = nullptr;
    QLineEdit* count_ = nullptr;
};

}  // namespace zor06::screens
