#include "messages/screens/TFormShortDate.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "messages/screens/PeriodGroupBox.h"

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
    : PeriodDialog(ListsOf(kind), false, op, parent), model_(kind, bounds, now, choices) {
    oldest_ = new QLabel(Qt8(model_.OldestLine()), this);
    newest_ = new QLabel(Qt8(model_.NewestLine()), this);
    column()->addWidget(oldest_);
    column()->addWidget(newest_);
    AddPresets(column(), QStringLiteral(" Задание периода"), model_.PresetTexts(),
               QStringLiteral("Отменить"));

    Show(model_.Initial());
    Start(model_.Preset());
}

void TFormShortDate::Show(const messages::ShortDateEntry& entry) {
    const bytes::ControllerDateTime* dates[] = {&entry.start, &entry.end};
    PeriodGroupBox* boxes[] = {startGroup(), endGroup()};
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
    const PeriodGroupBox* boxes[] = {startGroup(), endGroup()};
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
    SetControlsEnabled(entry.editable);
}

void TFormShortDate::AcceptClicked() {
    Conclude(model_.Accept(Entry()));
}

}  // namespace zor06::screens
