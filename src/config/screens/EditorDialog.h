// The frame every table editor shares: its content above, the accept button of its mode and
// "Отменить" below. The accept button runs the editor's checks; a refusal is shown and the screen
// stays open.
#pragma once

#include <QDialog>

#include "config/editor.h"
#include "dialogue/operator.h"

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace zor06::screens {

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    EditorDialog(config::EditorMode mode, dialogue::Operator& op, const QString& caption,
                 QWidget* parent);

    QPushButton* acceptButton() const { return accept_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    // Where the editor puts its controls.
    QVBoxLayout* Content() const { return content_; }
    // Checks the entries and, when every check passes, stores them into the target.
    virtual config::Refusal Store() = 0;
    // Called after a refusal was shown, to empty entries or move the focus.
    virtual void Refused(const config::InputError& /*error*/) {}
    dialogue::Operator& Op() const { return op_; }

private:
    void AcceptClicked();

    dialogue::Operator& op_;
    QVBoxLayout* content_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

// A label for `field` whose buddy is the field, so that screen readers and automation find the
// field by the label's text.
QLabel* BuddyLabel(const QString& text, QWidget* field);

}  // namespace zor06::screens
