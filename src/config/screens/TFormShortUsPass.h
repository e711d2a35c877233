// The program user's identification: the code and the write password the link object then puts
// into every request that changes the controller.
#pragma once

#include <QDialog>

#include "dialogue/operator.h"
#include "link/hgcbox.h"

class QLineEdit;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormShortUsPass : public QDialog {
    Q_OBJECT
public:
    TFormShortUsPass(link::hgcbox& box, dialogue::Operator& op, QWidget* parent = nullptr);

    QLineEdit* codeEdit() const { return code_; }
    QLineEdit* passwordEdit() const { return password_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* exitButton() const { return exit_; }

protected:
    // Enter steps from the code to the password and from there to "Принять".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AcceptClicked();

    link::hgcbox& box_;
    dialogue::Operator& op_;
    QLineEdit* code_ = nullptr;
    QLineEdit* password_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
