#include "config/screens/SecretFields.h"

#include <QBoxLayout>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include "config/screens/EditorDialog.h"
#include "widgets/AsteriskEcho.h"
#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {

QLineEdit* SecretEdit(std::size_t maxLength, bool digits, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(static_cast<int>(maxLength));
    widgets::MaskWithAsterisks(edit);
    if (digits) {
        widgets::IntegerEntryFilter::Install(edit);
    }
    return edit;
}

QGroupBox* SecretPair(const QString& title, const QString& first, const QString& again,
                      const std::array<QLineEdit*, 2>& edits, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    auto* rows = new QFormLayout(group);
    rows->addRow(BuddyLabel(first, edits[0]), edits[0]);
    rows->addRow(BuddyLabel(again, edits[1]), edits[1]);
    return group;
}

UserSecretEdits NewUserSecretEdits(QWidget* parent) {
    UserSecretEdits edits;
    for (std::size_t i = 0; i < 2; ++i) {
        edits.codes[i] = SecretEdit(config::kUserCodeSize, true, parent);
        edits.passwords[i] = SecretEdit(config::kUserPasswordSize, false, parent);
    }
    return edits;
}

void AddUserSecretGroups(QBoxLayout* column, const UserSecretEdits& edits, QWidget* parent) {
    column->addWidget(SecretPair(QStringLiteral(" Код идентификации  пользователя "),
                                 QStringLiteral("Введите код"), QStringLiteral("Подтвердите код"),
                                 edits.codes, parent));
    column->addWidget(SecretPair(QStringLiteral(" Пароль на запись "),
                                 QStringLiteral("Введите пароль"),
                                 QStringLiteral("Подтвердите пароль"), edits.passwords, parent));
}

config::SecretEntries Entries(const UserSecretEdits& edits) {
    return {edits.codes[0]->text().toStdString(), edits.codes[1]->text().toStdString(),
            edits.passwords[0]->text().toStdString(), edits.passwords[1]->text().toStdString()};
}

void ClearRefused(const UserSecretEdits& edits, config::EmptyEntries empty) {
    if (empty == config::EmptyEntries::None) {
        return;
    }
    const auto& emptied = empty == config::EmptyEntries::Passwords ? edits.passwords : edits.codes;
    emptied[0]->clear();
    emptied[1]->clear();
    emptied[0]->setFocus();
}

}  // namespace zor06::screens
