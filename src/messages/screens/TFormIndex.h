// The index dialog of a reading by index: the archive's boundary indices, the presets and the
// entered start and count.
#pragma once

#include <QDialog>

#include "dialogue/operator.h"
#include "messages/index_dialog_model.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormIndex : public QDialog {
    Q_OBJECT
public:
    TFormIndex(messages::Archive archive, messages::IndexBounds bounds,
               settings::ArchiveChoices& choices, dialogue::Operator& op,
               QWidget* parent = nullptr);

    // After exec() returned Accepted.
    messages::IndexSelection Selection() const { return selection_; }

    QLineEdit* startEdit() const { return start_; }
    QLineEdit* countEdit() const { return count_; }
    QButtonGroup* presets() const { return presets_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* exitButton() const { return exit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Apply(int preset);
    void AcceptClicked();

    messages::IndexDialogModel model_;
    dialogue::Operator& op_;
    messages::IndexSelection selection_;
    QLineEdit* start_ = nullptr;
    QLineEdit* count_ = nullptr;
    QButtonGroup* presets_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
