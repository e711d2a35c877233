// One group of the system parameters screen: the change to summer or to winter time.
#pragma once

#include <QGroupBox>

#include "config/system_editor.h"

class QComboBox;
class QFormLayout;

namespace zor06::screens {

class TimeChangeGroup : public QGroupBox {
    Q_OBJECT
public:
    // Months firstMonth..firstMonth+3 and hours firstHour..lastHour are offered.
    TimeChangeGroup(const QString& title, int firstMonth, int firstHour, int lastHour,
                    const config::TimeChange& stored, QWidget* parent);
    config::TimeChange Entries() const;

    QComboBox* monthBox() const { return month_; }
    QComboBox* wayBox() const { return way_; }
    QComboBox* dayBox() const { return day_; }
    QComboBox* ordinalBox() const { return ordinal_; }
    QComboBox* weekdayBox() const { return weekday_; }
    QComboBox* hourBox() const { return hour_; }

private:
    void ShowForChoices();
    void RefillDays();
    int Month() const;

    int firstMonth_;
    int firstHour_;
    QFormLayout* rows_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* way_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* ordinal_ = nullptr;
    QComboBox* weekday_ = nullptr;
    QComboBox* hour_ = nullptr;
};

}  // namespace zor06::screens
