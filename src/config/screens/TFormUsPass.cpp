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
    for (std::size_t i = 0; i < 2; ++i) {
        codes_[i] = SecretEdit(config::kUserCodeSize, true, this);
        passwords_[i] = SecretEdit(config::kUserPasswordSize, false, this);
        if (showCurrent) {
            const auto bytes = std::span<const std::uint8_t>(value_);
            codes_[i]->setText(QString::fromStdString(
                config::TrimmedField(bytes.subspan(config::kUserPasswordSize))));
            passwords_[i]->setText(QString::fromStdString(
                config::TrimmedField(bytes.first(config::kUserPasswordSize))));
        }
    }
    auto* column = new QVBoxLayout(this);
    column->addWidget(SecretPair(QStringLiteral(" Код идентификации  пользователя "),
                                 QStringLiteral("Введите код"), QStringLiteral("Подтвердите код"),
                                 codes_, this));
    column->addWidget(SecretPair(QStringLiteral(" Пароль на запись "),
                                 QStringLiteral("Введите пароль"),
                                 QStringLiteral("Подтвердите пароль"), passwords_, this));
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    QPushButton* exit = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    column->addWidget(buttons);
    for (QLineEdit* edit : {codes_[0], codes_[1], passwords_[0], passwords_[1]}) {
        edit->installEventFilter(this);
    }
    setTabOrder(codes_[0], codes_[1]);
    setTabOrder(codes_[1], passwords_[0]);
    setTabOrder(passwords_[0], passwords_[1]);
    setTabOrder(passwords_[1], accept_);
    setTabOrder(accept_, exit);
    connect(accept_, &QPushButton::clicked, this, &TFormUsPass::AcceptClicked);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    codes_[0]->setFocus();
    widgets::ReserveTitleRoom(this);
}

bool TFormUsPass::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const std::array<QWidget*, 5> chain{codes_[0], codes_[1], passwords_[0], passwords_[1],
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
    const config::SecretEntries entries{
        codes_[0]->text().toStdString(), codes_[1]->text().toStdString(),
        passwords_[0]->text().toStdString(), passwords_[1]->text().toStdString()};
    const auto result = config::AcceptUserSecret(entries);
    if (const auto* secret = std::get_if<config::UserSecret>(&result)) {
        value_ = *secret;
        accept();
        return;
    }
    const config::UsersRefusal& refusal = std::get<config::UsersRefusal>(result);
    config::Report(refusal.error, op_);
    const auto& emptied = refusal.empty == config::EmptyEntries::Passwords ? passwords_ : codes_;
    if (refusal.empty != config::EmptyEntries::None) {
        emptied[0]->clear();
        emptied[1]->clear();
        emptied[0]->setFocus();
    }
}

}  // namespace zor06::screens
