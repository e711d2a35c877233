// One " Начало периода " or " Конец периода " group of the period dialogs: a date picker from
// 01.01.2000 and the lists its archive's step needs.
#pragma once

#include <QGroupBox>

#include "tables/controller_date.h"

class QComboBox;
class QDateEdit;

namespace zor06::screens {

class PeriodGroupBox : public QGroupBox {
    Q_OBJECT
public:
    // `lists` of "Часы", "Минуты", "Секунды", in that order (0..3); editable lists take digits.
    PeriodGroupBox(const QString& title, int lists, bool editable, QWidget* parent = nullptr);

    QDateEdit* dateEdit() const { return date_; }
    QComboBox* list(int i) const { return lists_[i]; }
    int ListCount() const { return count_; }

    tables::CalendarDate Date() const;
    void SetDate(const tables::CalendarDate& date);
    void SetControlsEnabled(bool enabled);

private:
    QDateEdit* date_ = nullptr;
    QComboBox* lists_[3] = {nullptr, nullptr, nullptr};
    int count_ = 0;
};

}  // namespace zor06::screens
