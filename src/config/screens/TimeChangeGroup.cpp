#include "config/screens/TimeChangeGroup.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

#include "config/clock_view.h"
#include "config/screens/EditorDialog.h"

namespace zor06::screens {
namespace {

const char* const kMonths[] = {"Январь", "Февраль", "Март",     "Апрель",  "Май",    "Июнь",
                               "Июль",   "Август",  "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
const char* const kOrdinals[] = {"Первый", "Второй", "Третий", "Предпоследний", "Последний"};

QComboBox* HourList(int first, int last, QWidget* parent) {
    auto* box = new QComboBox(parent);
    for (int h = first; h <= last; ++h) {
        box->addItem(QStringLiteral("%1:00").arg(h));
    }
    return box;
}

}  // namespace

TimeChangeGroup::TimeChangeGroup(const QString& title, int firstMonth, int firstHour, int lastHour,
                                 const config::TimeChange& stored, QWidget* parent)
    : QGroupBox(title, parent), firstMonth_(firstMonth), firstHour_(firstHour) {
    month_ = new QComboBox(this);
    month_->addItem(QStringLiteral("Переход запрещен"));
    for (int m = firstMonth; m < firstMonth + 4; ++m) {
        month_->addItem(QString::fromUtf8(kMonths[m - 1]));
    }
    way_ = new QComboBox(this);
    way_->addItems({QStringLiteral("День месяца (число)"), QStringLiteral("День недели в месяце")});
    day_ = new QComboBox(this);
    ordinal_ = new QComboBox(this);
    for (const char* o : kOrdinals) {
        ordinal_->addItem(QString::fromUtf8(o));
    }
    weekday_ = new QComboBox(this);
    for (std::uint8_t d = 1; d <= 7; ++d) {
        weekday_->addItem(QString::fromStdString(std::string(config::WeekdayName(d))));
    }
    hour_ = HourList(firstHour, lastHour, this);

    rows_ = new QFormLayout(this);
    rows_->addRow(BuddyLabel(QStringLiteral("Месяц перехода"), month_), month_);
    rows_->addRow(BuddyLabel(QStringLiteral("Способ задания дня перехода"), way_), way_);
    rows_->addRow(BuddyLabel(QStringLiteral("День в месяце"), day_), day_);
    rows_->addRow(BuddyLabel(QStringLiteral("Номер \"дня недели\" в месяце"), ordinal_), ordinal_);
    rows_->addRow(BuddyLabel(QStringLiteral("День недели"), weekday_), weekday_);
    rows_->addRow(BuddyLabel(QStringLiteral("Час перехода"), hour_), hour_);

    const bool monthInGroup = stored.month >= firstMonth && stored.month < firstMonth + 4;
    month_->setCurrentIndex(stored.month == 0 ? 0
                            : monthInGroup    ? stored.month - firstMonth + 1
                                              : -1);
    RefillDays();
    if (stored.day) {
        way_->setCurrentIndex(static_cast<int>(stored.day->way));
        day_->setCurrentIndex(stored.day->dayOfMonth - 1);
        ordinal_->setCurrentIndex(stored.day->ordinal);
        weekday_->setCurrentIndex(stored.day->weekday - 1);
    } else {
        way_->setCurrentIndex(-1);
        day_->setCurrentIndex(-1);
        ordinal_->setCurrentIndex(-1);
        weekday_->setCurrentIndex(-1);
    }
    hour_->setCurrentIndex(stored.hour ? *stored.hour - firstHour : -1);
    ShowForChoices();

    connect(month_, &QComboBox::currentIndexChanged, this, [this] {
        RefillDays();
        ShowForChoices();
    });
    connect(way_, &QComboBox::currentIndexChanged, this, [this] { ShowForChoices(); });
}

int TimeChangeGroup::Month() const {
    const int index = month_->currentIndex();
    return index <= 0 ? index : firstMonth_ + index - 1;
}

void TimeChangeGroup::RefillDays() {
    const int kept = day_->currentIndex();
    const int days = config::ChangeMonthDays(Month());
    day_->clear();
    for (int d = 1; d <= days; ++d) {
        day_->addItem(QString::number(d));
    }
    // A day the new month lacks is no choice; the operator chooses again.
    day_->setCurrentIndex(kept < days ? kept : -1);
}

void TimeChangeGroup::ShowForChoices() {
    const bool allowed = month_->currentIndex() != 0;
    const bool byWeekday = way_->currentIndex() == 1;
    rows_->setRowVisible(way_, allowed);
    rows_->setRowVisible(day_, allowed && !byWeekday);
    rows_->setRowVisible(ordinal_, allowed && byWeekday);
    rows_->setRowVisible(weekday_, allowed && byWeekday);
    rows_->setRowVisible(hour_, allowed);
}

config::TimeChange TimeChangeGroup::Entries() const {
    config::TimeChange c;
    c.month = Month();
    if (c.month < 0) {
        c.month = -1;  // nothing chosen: refused as incomplete
    }
    if (way_->currentIndex() == 0 && day_->currentIndex() >= 0) {
        c.day = config::DayCode{config::DayWay::DayOfMonth, day_->currentIndex() + 1, -1, 0};
    } else if (way_->currentIndex() == 1 && ordinal_->currentIndex() >= 0 &&
               weekday_->currentIndex() >= 0) {
        c.day = config::DayCode{config::DayWay::WeekdayInMonth, 0, ordinal_->currentIndex(),
                                weekday_->currentIndex() + 1};
    }
    if (hour_->currentIndex() >= 0) {
        c.hour = hour_->currentIndex() + firstHour_;
    }
    return c;
}

}  // namespace zor06::screens
