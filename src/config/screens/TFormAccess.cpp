#include "config/screens/TFormAccess.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/screens/TFormUsPass.h"
#include "config/text_field.h"

namespace zor06::screens {

TFormAccess::TFormAccess(std::span<std::uint8_t, config::kUsersBytes> target, bool writeToDevice,
                         dialogue::Operator& op, QWidget* parent)
    : EditorDialog(writeToDevice ? config::EditorMode::Device : config::EditorMode::File, op,
                   QStringLiteral("Доступ пользователей к записи в контроллер"), parent),
      target_(target),
      working_(config::DecodeUsers(target)) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Имя \nпользователя\n(до 4 символов)"), this), 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Уровень допуска"), this), 0, 2);
    for (int r = 0; r < config::kUserSlots; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r)];
        const config::UserRecord& user = working_[static_cast<std::size_t>(r)];
        row.name = new QLineEdit(this);
        row.name->setMaxLength(static_cast<int>(config::kUserNameSize));
        row.name->setAccessibleName(QStringLiteral("Имя пользователя %1").arg(r + 1));
        if (user.level != 0) {
            row.name->setText(QString::fromStdString(config::TrimmedField(user.name)));
        }
        row.level = new QComboBox(this);
        row.level->setAccessibleName(QStringLiteral("Уровень допуска %1").arg(r + 1));
        for (std::uint8_t level = 0; level <= 4; ++level) {
            row.level->addItem(QString::fromStdString(std::string(config::AccessLevelText(level))));
        }
        row.level->setCurrentIndex(user.level <= 4 ? user.level : -1);
        row.secret = new QPushButton(QStringLiteral("Пароль и код"), this);
        row.secret->setAccessibleName(QStringLiteral("Пароль и код %1").arg(r + 1));
        row.secret->setEnabled(row.level->currentIndex() > 0);
        connect(row.level, &QComboBox::currentIndexChanged, row.secret,
                [button = row.secret](int level) { button->setEnabled(level > 0); });
        connect(row.secret, &QPushButton::clicked, this, [this, r] {
            config::UserRecord& u = working_[static_cast<std::size_t>(r)];
            config::UserSecret secret{};
            std::ranges::copy(u.password, secret.begin());
            std::ranges::copy(u.code, secret.begin() + config::kUserPasswordSize);
            if (editSecret(secret)) {
                std::copy_n(secret.begin(), config::kUserPasswordSize, u.password.begin());
                std::copy_n(secret.begin() + config::kUserPasswordSize, config::kUserCodeSize,
                            u.code.begin());
            }
        });
        grid->addWidget(new QLabel(QString::number(r + 1), this), r + 1, 0);
        grid->addWidget(row.name, r + 1, 1);
        grid->addWidget(row.level, r + 1, 2);
        grid->addWidget(row.secret, r + 1, 3);
    }
    Content()->addLayout(grid);
    editSecret = [this](config::UserSecret& secret) {
        TFormUsPass screen(secret, true, Op(), this);
        return screen.exec() == QDialog::Accepted;
    };
}

config::Refusal TFormAccess::Store() {
    std::array<config::AccessRow, config::kUserSlots> rows{};
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        const int level = rows_[r].level->currentIndex();
        rows[r] = {level >= 0 ? std::optional<int>(level) : std::nullopt,
                   rows_[r].name->text().toStdString()};
        if (level <= 0) {
            rows_[r].name->clear();
        }
    }
    const auto refusal = config::AcceptAccessTable(rows, working_, target_);
    if (refusal) {
        return refusal->error;
    }
    return std::nullopt;
}

}  // namespace zor06::screens
