#include "settings/screens/EntryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/settings_types.h"
#include "widgets/ButtonRow.h"
#include "widgets/IntegerEntryFilter.h"
#include "widgets/WholeText.h"

namespace zor06::screens {

EntryDialog::EntryDialog(const QString& caption, const QString& nameLabel,
                         const QString& addressLabel, dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), op_(op) {
    setWindowTitle(caption);

    name_ = new QLineEdit(this);
    name_->setMaxLength(static_cast<int>(settings::kNameChars));
    widgets::FitEntry(name_, static_cast<int>(settings::kNameChars));
    address_ = new QComboBox(this);
    address_->setEditable(true);
    address_->setInsertPolicy(QComboBox::NoInsert);
    for (int a = 1; a <= 255; ++a) {
        address_->addItem(QString::number(a));
    }
    widgets::IntegerEntryFilter::Install(address_);
    address_->setCurrentIndex(-1);
    address_->setEditText(QString());

    rows_ = new QFormLayout;
    rows_->addRow(nameLabel, name_);
    rows_->addRow(addressLabel, address_);
    lastField_ = address_;

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    cancel_ = widgets::AddToRow(buttons, QStringLiteral("Отменить"));
    auto* column = new QVBoxLayout(this);
    column->addLayout(rows_);
    column->addStretch();
    column->addWidget(buttons);

    connect(accept_, &QPushButton::clicked, this, [this] {
        if (TakeFields()) {
            accept();
        }
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    name_->setFocus();
}

void EntryDialog::AddRow(const QString& label, QWidget* field) {
    rows_->addRow(label, field);
    setTabOrder(lastField_, field);
    lastField_ = field;
}

void EntryDialog::AddRow(const QString& label, QLayout* layout,
                         std::initializer_list<QWidget*> fields) {
    auto* text = new QLabel(label, this);
    text->setBuddy(*fields.begin());
    rows_->addRow(text, layout);
    for (QWidget* field : fields) {
        field->setAccessibleName(label);
        setTabOrder(lastField_, field);
        lastField_ = field;
    }
}

void EntryDialog::ShowNameAndAddress(const std::string& name, const std::string& address) {
    name_->setText(QString::fromStdString(name));
    const QString text = QString::fromStdString(address);
    address_->setCurrentIndex(address_->findText(text));
    address_->setEditText(text);
}

std::string EntryDialog::Text(const QLineEdit* edit) {
    return edit->text().toStdString();
}

std::string EntryDialog::AddressText() const {
    return address_->currentText().toStdString();
}

}  // namespace zor06::screens
