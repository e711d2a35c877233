// "Доступ пользователей к записи в контроллер": one user of the controller's users table, with
// the password and code always typed anew, twice.
#pragma once

#include <QDialog>
#include <span>

#include "config/screens/SecretFields.h"
#include "config/users_editors.h"
#include "dialogue/operator.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormChangeAccess : public QDialog {
    Q_OBJECT
public:
    // `table`: the 352 bytes of table 4 in the image.
    TFormChangeAccess(std::span<std::uint8_t, config::kUsersBytes> table, dialogue::Operator& op,
                      QWidget* parent = nullptr);
    // The slot that was changed, once accepted.
    int Slot() const { return slot_; }

    QComboBox* slotBox() const { return slots_; }
    QLineEdit* nameEdit() const { return name_; }
    QComboBox* levelBox() const { return level_; }
    QLineEdit* codeEdit(int i) const { return secrets_.codes[static_cast<std::size_t>(i)]; }
    QLineEdit* passwordEdit(int i) const { return secrets_.passwords[static_cast<std::size_t>(i)]; }
    QPushButton* writeButton() const { return write_; }

private:
    void ShowSlot(int slot);
    void WriteClicked();

    std::span<std::uint8_t, config::kUsersBytes> table_;
    dialogue::Operator& op_;
    config::ChangeAccess model_;
    int slot_ = -1;
    QComboBox* slots_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* level_ = nullptr;
    UserSecretEdits secrets_;
    QPushButton* write_ = nullptr;
};

}  // namespace zor06::screens
