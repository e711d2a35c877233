// "Идентификация пользователя программы" for one user of a users table: the code and the
// password, each typed twice.
#pragma once

#include <QDialog>
#include <array>

#include "config/screens/SecretFields.h"
#include "config/users_editors.h"
#include "dialogue/operator.h"

class QLineEdit;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormUsPass : public QDialog {
    Q_OBJECT
public:
    // `showCurrent`: the edits start with the current value, blanks trimmed; else empty.
    TFormUsPass(config::UserSecret& value, bool showCurrent, dialogue::Operator& op,
                QWidget* parent = nullptr);
    QLineEdit* codeEdit(int i) const { return secrets_.codes[static_cast<std::size_t>(i)]; }
    QLineEdit* passwordEdit(int i) const { return secrets_.passwords[static_cast<std::size_t>(i)]; }
    QPushButton* acceptButton() const { return accept_; }

protected:
    // Enter steps code, its confirmation, password, its confirmation, "Принять".
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void AcceptClicked();

    config::UserSecret& value_;
    dialogue::Operator& op_;
    UserSecretEdits secrets_;
    QPushButton* accept_ = nullptr;
};

}  // namespace zor06::screens
