#include "messages/screens/TFormShortDate.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "messages/screens/PeriodGroupBox.h"
#include "widgets/ButtonRow.h"
#include "widgets/RadioGroup.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

int ListsOf(messages::DataArchive kind) {
    switch (kind) {
        case messages::DataArchive::ThreeMinute:
            return 2;
        case messages::DataArchive::Hourly:
            return 1;
        case messages::DataArchive::Daily:
            break;
    }
    return 0;
}

QString Qt8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

TFormShortDate::TFormShortDate(messages::DataArchive kind, const messages::ArchiveBounds& bounds,
                               const bytes::ControllerDateTime& now,
                               settings::ArchiveChoices& choices, dialogue::Operator& op,
                               QWidget* parent)
    : QDialog(parent), model_(kind, bounds, now, choices), op_(op) {
    setWindowTitle(QStringLiteral("Ввод периода времени запрашиваемых данных"));
    const int lists = ListsOf(kind);
    start_ = new PeriodGroupBox(QStringLiteral(" Начало периода "), lists, false, this);
    end_ = new PeriodGroupBox(QStringLiteral(" Конец периода "), lists, false, this);
    oldest_ = new QLabel(Qt8(model_.OldestLine()), this);
    newest_ = new QLabel(Qt8(model_.NewestLine()), this);

    const widgets::RadioGroup radios =
        widgets::NewRadioGroup(QStringLiteral(" Задание периода"), model_.PresetTexts(), this);
    QGroupBox* group = radios.box;
    presets_ = radios.buttons;
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    cancel_ = widgets::AddToRow(buttons, QStringLiteral("Отменить"));

    auto* groups = new QHBoxLayout;
    groups->addWidget(start_);
    groups->addWidget(end_);
    auto* column = new QVBoxLayout(this);
    column->addLayout(groups);
    column->addWidget(oldest_);
    column->addWidget(newest_);
    column->addWidget(group);
    column->addWidget(buttons);

    connect(presets_, &QButtonGroup::idClicked, this, &TFormShortDate::Apply);
    connect(accept_, &QPushButton::clicked, this, &TFormShortDate::AcceptClicked);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    Show(model_.Initial());
    const int preset = model_.Preset();
    presets_->button(preset)->setChecked(true);
    Apply(preset);
    widgets::ReserveTitleRoom(this);
}

void TFormShortDate::Show(const messages::ShortDateEntry& entry) {
    const bytes::ControllerDateTime* dates[] = {&entry.start, &entry.end};
    PeriodGroupBox* boxes[] = {start_, end_};
    for (int b = 0; b < 2; ++b) {
        boxes[b]->SetDate(tables::DateOf(*dates[b]));
        for (int i = 0; i < boxes[b]->ListCount(); ++i) {
            boxes[b]->list(i)->setCurrentIndex((*dates[b])[tables::kHourByte + i]);
        }
    }
}

messages::ShortDateEntry TFormShortDate::Entry() const {
    messages::ShortDateEntry entry;
    bytes::ControllerDateTime* dates[] = {&entry.start, &entry.end};
    const PeriodGroupBox* boxes[] = {start_, end_};
    for (int b = 0; b < 2; ++b) {
        const tables::CalendarDate d = boxes[b]->Date();
        bytes::ControllerDateTime& dt = *dates[b];
        dt = {static_cast<std::uint8_t>(d.year - 2000),
              static_cast<std::uint8_t>(d.month),
              static_cast<std::uint8_t>(d.day),
              0,
              0,
              0};
        for (int i = 0; i < boxes[b]->ListCount(); ++i) {
            dt[tables::kHourByte + i] =
                static_cast<std::uint8_t>(boxes[b]->list(i)->currentIndex());
        }
    }
    return entry;
}

void TFormShortDate::Apply(int preset) {
    const messages::ShortDateEntry entry = model_.Choose(preset, Entry());
    Show(entry);
    start_->SetControlsEnabled(entry.editable);
    end_->SetControlsEnabled(entry.editable);
}

void TFormShortDate::AcceptClicked() {
    const messages::PeriodVerdict verdict = model_.Accept(Entry());
    if (!verdict.accepted) {
        op_.ShowMessage(dialogue::MessageKind::InputError, verdict.text1, verdict.text2);
        return;
    }
    period_ = *verdict.accepted;
    accept();
}

}  // namespace zor06::screens
