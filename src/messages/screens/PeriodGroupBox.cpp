#include "messages/screens/PeriodGroupBox.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>

#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {

PeriodGroupBox::PeriodGroupBox(const QString& title, int lists, bool editable, QWidget* parent)
    : QGroupBox(title, parent), count_(lists) {
    date_ = new QDateEdit(this);
    date_->setCalendarPopup(true);
    // The controller's dates hold year - 2000 in one byte.
    date_->setDateRange(QDate(2000, 1, 1), QDate(2255, 12, 31));
    date_->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    auto* rows = new QFormLayout(this);
    rows->addRow(date_);
    const char* const names[] = {"Часы", "Минуты", "Секунды"};
    const int items[] = {24, 60, 60};
    for (int i = 0; i < lists; ++i) {
        lists_[i] = new QComboBox(this);
        lists_[i]->setEditable(editable);
        for (int v = 0; v < items[i]; ++v) {
            lists_[i]->addItem(QString::number(v));
        }
        if (editable) {
            widgets::IntegerEntryFilter::Install(lists_[i]);
        }
        rows->addRow(QString::fromUtf8(names[i]), lists_[i]);
    }
}

tables::CalendarDate PeriodGroupBox::Date() const {
    const QDate d = date_->date();
    return {d.year(), d.month(), d.day()};
}

void PeriodGroupBox::SetDate(const tables::CalendarDate& date) {
    date_->setDate(QDate(date.year, date.month, date.day));
}

void PeriodGroupBox::SetControlsEnabled(bool enabled) {
    date_->setEnabled(enabled);
    for (int i = 0; i < count_; ++i) {
        lists_[i]->setEnabled(enabled);
    }
}

}  // namespace zor06::screens
