#include "config/screens/TFormUsPass.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/screens/EditorDialog.h"
#include "config/screens/SecretFields.h"
#include "config/text_field.h"
#include "widgets/ButtonRow.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
TFormUsPass::TFormUsPass(config::UserSecret& value, bool showCurrent, dialogue::Operator& op,
                         QWidget* parent)
    : QDialog(parent), value_(value), op_(op) {
    setWindowTitle(QStringLiteral("Идентификация пользователя программы"));
    secrets_ = NewUserSecretEdits(this);
    if (showCurrent) {
        const auto bytes = std::span<const std::uint8_t>(value_);
        const QString code =
            QString::fromStdString(config::TrimmedField(bytes.subspan(config::kUserPasswordSize)));
        const QString password =
            QString::fromStdString(config::TrimmedField(bytes.first(config::kUserPasswordSize)));
        for (std::size_t i = 0; i < 2; ++i) {
            secrets_.codes[i]->setText(code);
            secrets_.passwords[i]->setText(password);
        }
    }
    auto* column = new QVBoxLayout(this);
    AddUserSecretGroups(column, secrets_, this);
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    QPushButton* exit = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    column->addWidget(buttons);
    for (QLineEdit* edit : secrets_.All()) {
        edit->installEventFilter(this);
    }
    setTabOrder(secrets_.codes[0], secrets_.codes[1]);
    setTabOrder(secrets_.codes[1], secrets_.passwords[0]);
    setTabOrder(secrets_.passwords[0], secrets_.passwords[1]);
    setTabOrder(secrets_.passwords[1], accept_);
    setTabOrder(accept_, exit);
    connect(accept_, &QPushButton::clicked, this, &TFormUsPass::AcceptClicked);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    secrets_.codes[0]->setFocus();
    widgets::ReserveTitleRoom(this);
}

bool TFormUsPass::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const std::array<QWidget*, 5> chain{secrets_.codes[0], secrets_.codes[1],
                                                secrets_.passwords[0], secrets_.passwords[1],
                                                accept_};
            for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
                if (watched == chain[i]) {
                    chain[i + 1]->setFocus();
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormUsPass::AcceptClicked() {
    const auto result = config::AcceptUserSecret(Entries(secrets_));
    if (const auto* secret = TakeAccepted(result, secrets_, op_)) {
        value_ = *secret;
        accept();
    }
}

}  // namespace zor06::screens
