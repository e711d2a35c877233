#include "config/screens/TFormChangeAccess.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/screens/EditorDialog.h"
#include "config/screens/SecretFields.h"
#include "widgets/ButtonRow.h"

namespace zor06::screens {
TFormChangeAccess::TFormChangeAccess(std::span<std::uint8_t, config::kUsersBytes> table,
                                     dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), table_(table), op_(op), model_(table) {
    setWindowTitle(QStringLiteral("Доступ пользователей к записи в контроллер"));
    slots_ = new QComboBox(this);
    for (const config::UserRecord& user : model_.Working()) {
        slots_->addItem(QString::fromStdString(config::SlotCaption(user)));
    }
    name_ = new QLineEdit(this);
    name_->setMaxLength(static_cast<int>(config::kUserNameSize));
    level_ = new QComboBox(this);
    for (std::uint8_t level = 0; level <= 4; ++level) {
        level_->addItem(QString::fromStdString(std::string(config::AccessLevelText(level))));
    }
    // Codes are digits only, as the program user's screen takes them.
    secrets_ = NewUserSecretEdits(this);

    auto* rows = new QFormLayout;
    rows->addRow(BuddyLabel(QStringLiteral("Выбор пользователя\nдля коррекции"), slots_), slots_);
    rows->addRow(BuddyLabel(QStringLiteral("Имя пользователя\n(до 4 символов)"), name_), name_);
    rows->addRow(BuddyLabel(QStringLiteral("Уровень допуска"), level_), level_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(rows);
    AddUserSecretGroups(column, secrets_, this);
    column->addWidget(new QLabel(
        QStringLiteral(
            "Для удаления пользователя достаточно ввести уровень доступа \"Нет доступа\""),
        this));
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    write_ = widgets::AddToRow(buttons, QStringLiteral("Записать в устройство"));
    QPushButton* exit = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    column->addWidget(buttons);

    connect(slots_, &QComboBox::currentIndexChanged, this, &TFormChangeAccess::ShowSlot);
    connect(write_, &QPushButton::clicked, this, &TFormChangeAccess::WriteClicked);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    slots_->setCurrentIndex(0);
    ShowSlot(0);
}

void TFormChangeAccess::ShowSlot(int slot) {
    if (slot < 0) {
        return;
    }
    const config::UserRecord& user = model_.Working()[static_cast<std::size_t>(slot)];
    name_->setText(user.BlankName() ? QString()
                                    : QString::fromStdString(config::SlotCaption(user)));
    level_->setCurrentIndex(user.level <= 4 ? user.level : -1);
    for (QLineEdit* edit : secrets_.All()) {
        edit->clear();
    }
}

void TFormChangeAccess::WriteClicked() {
    config::ChangeAccessEntries e;
    e.slot = slots_->currentIndex();
    e.level = level_->currentIndex();
    e.name = name_->text().toStdString();
    e.secrets = Entries(secrets_);
    const auto result = model_.Accept(e, table_);
    if (const int* slot = TakeAccepted(result, secrets_, op_)) {
        slot_ = *slot;
        accept();
    }
}

}  // namespace zor06::screens
