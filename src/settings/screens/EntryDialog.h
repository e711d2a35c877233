// The entry screens' common part: the name, the controller address (an editable list "1" to "255"
// taking digits only), and "Принять", which closes only when the screen's checks pass, and
// "Отменить".
#pragma once

#include <QDialog>
#include <initializer_list>
#include <string>

#include "dialogue/operator.h"

class QComboBox;
class QFormLayout;
class QLayout;
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
                dialogue::Operator& op, QWidget* parent);

    // A row of the screen's own below name and address: its label names the field, and the field
    // comes before the buttons when Tab is pressed.
    void AddRow(const QString& label, QWidget* field);
    // A row of several fields side by side in `layout`, which every field is named after; Tab
    // takes them from left to right.
    void AddRow(const QString& label, QLayout* layout, std::initializer_list<QWidget*> fields);
    dialogue::Operator& op() { return op_; }
    // Mode 1 shows the entry; mode 0 starts empty.
    void ShowNameAndAddress(const std::string& name, const std::string& address);
    static std::string Text(const QLineEdit* edit);
    std::string AddressText() const;
    // Checks the fields and writes the entry; false leaves the screen open.
    virtual bool TakeFields() = 0;

private:
    dialogue::Operator& op_;
    QFormLayout* rows_ = nullptr;
    QLineEdit* name_ = nullptr;
    QComboBox* address_ = nullptr;
    QWidget* lastField_ = nullptr;  // the field Tab leaves for the buttons
    QPushButton* accept_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace zor06::screens
