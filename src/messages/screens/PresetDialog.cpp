#include "messages/screens/PresetDialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "widgets/ButtonRow.h"
#include "widgets/RadioGroup.h"
#include "widgets/WholeText.h"

namespace zor06::screens {

PresetDialog::PresetDialog(dialogue::Operator& op, QWidget* parent) : QDialog(parent), op_(op) {}

void PresetDialog::AddPresets(QVBoxLayout* column, const QString& title,
                              const std::vector<std::string_view>& texts,
                              const QString& leaveText) {
    const widgets::RadioGroup radios = widgets::NewRadioGroup(title, texts, this);
    presets_ = radios.buttons;
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    leave_ = widgets::AddToRow(buttons, leaveText);
    column->addWidget(radios.box);
    column->addWidget(buttons);

    connect(presets_, &QButtonGroup::idClicked, this, &PresetDialog::Apply);
    connect(accept_, &QPushButton::clicked, this, &PresetDialog::AcceptClicked);
    connect(leave_, &QPushButton::clicked, this, &QDialog::reject);
}

void PresetDialog::Start(int preset) {
    presets_->button(preset)->setChecked(true);
    Apply(preset);
    widgets::ReserveTitleRoom(this);
}

}  // namespace zor06::screens
