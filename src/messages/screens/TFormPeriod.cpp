#include "messages/screens/TFormPeriod.h"

#include <QComboBox>

#include "messages/screens/PeriodGroupBox.h"

namespace zor06::screens {
namespace {

const std::string_view kPresetTexts[] = {"За последний час", "За последние сутки",
                                         "Заданный период"};

}  // namespace

TFormPeriod::TFormPeriod(settings::ArchiveChoices& choices, double now, dialogue::Operator& op,
                         QWidget* parent)
    : PeriodDialog(3, true, op, parent), model_(choices, now) {
    AddPresets(column(), QStringLiteral(" Задание периода"),
               {std::begin(kPresetTexts), std::end(kPresetTexts)}, QStringLiteral("Выход"));
    Start(model_.Preset());
}

void TFormPeriod::Show(PeriodGroupBox* box, const messages::PeriodGroup& group) {
    box->SetDate(group.date);
    const std::string* parts[] = {&group.hour, &group.minute, &group.second};
    for (int i = 0; i < 3; ++i) {
        box->list(i)->setEditText(QString::fromStdString(*parts[i]));
        box->list(i)->setCurrentIndex(box->list(i)->findText(QString::fromStdString(*parts[i])));
    }
}

messages::PeriodGroup TFormPeriod::Group(const PeriodGroupBox* box) {
    return {box->Date(), box->list(0)->currentText().toStdString(),
            box->list(1)->currentText().toStdString(), box->list(2)->currentText().toStdString()};
}

void TFormPeriod::Apply(int preset) {
    const messages::PeriodEntry entry = model_.Choose(preset);
    Show(startGroup(), entry.start);
    Show(endGroup(), entry.end);
    SetControlsEnabled(entry.editable);
}

void TFormPeriod::AcceptClicked() {
    messages::PeriodEntry entry;
    entry.start = Group(startGroup());
    entry.end = Group(endGroup());
    Conclude(model_.Accept(entry));
}

}  // namespace zor06::screens
