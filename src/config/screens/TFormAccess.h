// "Доступ пользователей к записи в контроллер" for the whole users table of a configuration: a
// row per slot with its name, level and a button for its password and code.
#pragma once

#include <array>
#include <span>

#include "config/screens/EditorDialog.h"
#include "config/users_editors.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormAccess : public EditorDialog {
    Q_OBJECT
public:
    // `writeToDevice`: the restoration of destroyed tables writes the accepted table itself, so
    // its accept button says "Записать в устройство".
    TFormAccess(std::span<std::uint8_t, config::kUsersBytes> target, bool writeToDevice,
                dialogue::Operator& op, QWidget* parent = nullptr);
    QLineEdit* nameEdit(int row) const { return rows_[static_cast<std::size_t>(row)].name; }
    QComboBox* levelBox(int row) const { return rows_[static_cast<std::size_t>(row)].level; }
    QPushButton* secretButton(int row) const { return rows_[static_cast<std::size_t>(row)].secret; }

    // Opens the password and code screen of a row; replaced by tests.
    std::function<bool(config::UserSecret&)> editSecret;

protected:
    config::Refusal Store() override;

private:
    struct Row {
        QLineEdit* name = nullptr;
        QComboBox* level = nullptr;
        QPushButton* secret = nullptr;
    };

    std::span<std::uint8_t, config::kUsersBytes> target_;
    config::UsersTable working_;
    std::array<Row, config::kUserSlots> rows_{};
};

}  // namespace zor06::screens
