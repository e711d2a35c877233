#include "config/screens/EditorDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"
#include "widgets/WholeText.h"

namespace zor06::screens {

EditorDialog::EditorDialog(config::EditorMode mode, dialogue::Operator& op, const QString& caption,
                           QWidget* parent)
    : QDialog(parent), op_(op) {
    setWindowTitle(caption);
    auto* column = new QVBoxLayout(this);
    content_ = new QVBoxLayout;
    column->addLayout(content_);
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QString::fromStdString(std::string(AcceptCaption(mode))));
    cancel_ = widgets::AddToRow(buttons, QStringLiteral("Отменить"));
    column->addWidget(buttons);
    connect(accept_, &QPushButton::clicked, this, &EditorDialog::AcceptClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    widgets::ReserveTitleRoom(this);
}

void EditorDialog::AcceptClicked() {
    const config::Refusal refusal = Store();
    if (refusal) {
        config::Report(*refusal, op_);
        Refused(*refusal);
        return;
    }
    accept();
}

QLabel* BuddyLabel(const QString& text, QWidget* field) {
    auto* label = new QLabel(text);
    label->setBuddy(field);
    field->setAccessibleName(QString(text).simplified());
    return label;
}

}  // namespace zor06::screens
