#include "messages/screens/TFormPeriod.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "messages/screens/PeriodGroupBox.h"
#include "widgets/ButtonRow.h"
#include "widgets/RadioGroup.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

const std::string_view kPresetTexts[] = {"За последний час", "За последние сутки",
                                         "Заданный период"};

}  // namespace

TFormPeriod::TFormPeriod(settings::ArchiveChoices& choices, double now, dialogue::Operator& op,
                         QWidget* parent)
    : QDialog(parent), model_(choices, now), op_(op) {
    setWindowTitle(QStringLiteral("Ввод периода времени запрашиваемых данных"));
    start_ = new PeriodGroupBox(QStringLiteral(" Начало периода "), 3, true, this);
    end_ = new PeriodGroupBox(QStringLiteral(" Конец периода "), 3, true, this);

    const widgets::RadioGroup radios =
        widgets::NewRadioGroup(QStringLiteral(" Задание периода"),
                               {std::begin(kPresetTexts), std::end(kPresetTexts)}, this);
    QGroupBox* group = radios.box;
    presets_ = radios.buttons;
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(start_);
    groups->addWidget(end_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(groups);
    column->addWidget(group);
    column->addWidget(buttons);

    connect(presets_, &QButtonGroup::idClicked, this, &TFormPeriod::Apply);
    connect(accept_, &QPushButton::clicked, this, &TFormPeriod::AcceptClicked);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

    const int preset = model_.Preset();
    presets_->button(preset)->setChecked(true);
    Apply(preset);
    widgets::ReserveTitleRoom(this);
}

void TFormPeriod::Show(PeriodGroupBox* box, const messages::PeriodGroup& group) {
    box->SetDate(group.date);
    const std::string* parts[] = {&group.hour, &group.minute, &group.second};
    for (int i = 0; i < 3; ++i) {
        box->list(i)->setEditText(QString::fromStdString(*parts[i]));
        box->list(i)->setCurrentIndex(box->list(i)->findText(QString::fromStdString(*parts[i])));
    }
}

messages::PeriodGroup TFormPeriod::Group(const PeriodGroupBox* box) const {
    return {box->Date(), box->list(0)->currentText().toStdString(),
            box->list(1)->currentText().toStdString(), box->list(2)->currentText().toStdString()};
}

void TFormPeriod::Apply(int preset) {
    const messages::PeriodEntry entry = model_.Choose(preset);
    Show(start_, entry.start);
    Show(end_, entry.end);
    start_->SetControlsEnabled(entry.editable);
    end_->SetControlsEnabled(entry.editable);
}

void TFormPeriod::AcceptClicked() {
    messages::PeriodEntry entry;
    entry.start = Group(start_);
    entry.end = Group(end_);
    const messages::PeriodVerdict verdict = model_.Accept(entry);
    if (!verdict.accepted) {
        op_.ShowMessage(dialogue::MessageKind::InputError, verdict.text1, verdict.text2);
        return;
    }
    period_ = *verdict.accepted;
    accept();
}

}  // namespace zor06::screens
