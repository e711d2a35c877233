#include "config/screens/TFormShortUsPass.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/frame.h"
#include "text/codepage.h"
#include "widgets/AsteriskEcho.h"
#include "widgets/ButtonRow.h"
#include "widgets/IntegerEntryFilter.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {}  // namespace

TFormShortUsPass::TFormShortUsPass(link::hgcbox& box, dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), box_(box), op_(op) {
    setWindowTitle(QStringLiteral("Идентификация пользователя программы"));

    code_ = new QLineEdit(this);
    code_->setMaxLength(static_cast<int>(link::kIdCodeSize));
    widgets::MaskWithAsterisks(code_);
    widgets::IntegerEntryFilter::Install(code_);
    password_ = new QLineEdit(this);
    password_->setMaxLength(static_cast<int>(link::kPasswordSize));
    widgets::MaskWithAsterisks(password_);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));

    auto* rows = new QFormLayout;
    rows->addRow(QStringLiteral(" Код идентификации  пользователя"), code_);
    rows->addRow(QStringLiteral(" Пароль на запись в контроллер"), password_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(rows);
    column->addWidget(buttons);

    setTabOrder(code_, password_);
    setTabOrder(password_, accept_);
    setTabOrder(accept_, exit_);
    code_->installEventFilter(this);
    password_->installEventFilter(this);
    connect(accept_, &QPushButton::clicked, this, &TFormShortUsPass::AcceptClicked);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    code_->setFocus();
    widgets::ReserveTitleRoom(this);
}

bool TFormShortUsPass::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == code_) {
                password_->setFocus();
                return true;
            }
            if (watched == password_) {
                accept_->setFocus();
                return true;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TFormShortUsPass::AcceptClicked() {
    if (code_->text().isEmpty()) {
        op_.ShowMessage(dialogue::MessageKind::InputError,
                        "Не задан код идентификации пользователя", "");
        code_->setFocus();
        return;
    }
    // The controller compares the credentials as Windows-1251 bytes.
    box_.SetCredentials(text::Utf8ToCp1251(password_->text().toStdString()),
                        text::Utf8ToCp1251(code_->text().toStdString()));
    accept();
}

}  // namespace zor06::screens
