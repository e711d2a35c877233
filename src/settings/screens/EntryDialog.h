// The entry screens' common part: the name, the controller address (an editable list "1" to "255"
// taking digits only), and "Принять", which closes only when the screen's checks pass, and
// "Отменить".
#pragma once

#include <QDialog>
#include <string>

#include "link/operator.h"

class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;

namespace zor06::screens {

class EntryDialog : public QDialog {
    Q_OBJECT
public:
    QLineEdit* nameEdit() const { return name_; }
    QComboBox* addressBox() const { return address_; }
    QPushButton* acceptButton() const { return accept_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    EntryDialog(const QString& caption, const QString& nameLabel, const QString& addressLabel,
                link::Operator& op, QWidget* parent);

    // Where a screen adds its own rows below name and address.
    QFormLayout* rows() const { return rows_; }
    link::Operator& op() { return op_; }
    // Mode 1 shows the entry; mode 0 starts empty.
    void ShowNameAndAddress(const std::string& name, const std::string& address);
    static std::string Text(const QLineEdit* edit);
    std::string AddressText() const;
    // Checks the fields and writes the entry; false leaves the screen open.
    virtual bool TakeFields() = 0;

private:
    link::Operator& op_;
    QFormLayout* rows_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* address_ = nullptr;
    QPushButton* accept_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zor06::screens
