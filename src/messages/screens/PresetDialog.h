// The dialogs that ask what a reading takes, with presets: the dialog's fields, the preset group
// under them, "Принять" and a button that leaves. A preset fills the fields; "Принять" accepts
// the dialog or shows why it cannot.
#pragma once

#include <QDialog>
#include <string_view>
#include <vector>

#include "dialogue/operator.h"

class QButtonGroup;
class QPushButton;
class QVBoxLayout;

namespace zor06::screens {

class PresetDialog : public QDialog {
    Q_OBJECT
public:
    QButtonGroup* presets() const { return presets_; }
    QPushButton* acceptButton() const { return accept_; }

protected:
    PresetDialog(dialogue::Operator& op, QWidget* parent);

    // Adds the preset group, one button per text, and the buttons "Принять" and `leaveText` to
    // `column`, which holds the fields already: focus moves through the fields first.
    void AddPresets(QVBoxLayout* column, const QString& title,
                    const std::vector<std::string_view>& texts, const QString& leaveText);
    // The constructor's last step: checks `preset`, applies it and gives the title its room.
    void Start(int preset);

    // Takes the verdict's value and accepts the dialog, or shows its message.
    template <class Verdict, class Value>
    void Conclude(const Verdict& verdict, Value* result) {
        if (!verdict.accepted) {
            op_.ShowMessage(dialogue::MessageKind::InputError, verdict.text1, verdict.text2);
            return;
        }
        *result = *verdict.accepted;
        accept();
    }

    QPushButton* leaveButton() const { return leave_; }

private:
    // Fills the fields from `preset`.
    virtual void Apply(int preset) = 0;
    virtual void AcceptClicked() = 0;

    dialogue::Operator& op_;
    QButtonGroup* presets_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* leave_ = nullptr;
};

}  // namespace zor06::screens
