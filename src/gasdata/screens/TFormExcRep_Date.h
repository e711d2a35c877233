// The parameters of a passport: the date (the day is hidden for a month) within the daily
// archive's bounds and the object, chosen from the object list or entered anew.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "dialogue/operator.h"
#include "gasdata/passport_reading.h"
#include "settings/settings_types.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace zor06::screens {

struct PassportObjectHooks {
    // The object screen for a new entry; true when it was accepted, appended to the list as its
    // current entry and saved.
    std::function<bool(settings::ObjectList&)> newObject;
    // The object-list editor; true when the list changed.
    std::function<bool()> editList;
};

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormExcRep_Date : public QDialog {
    Q_OBJECT
public:
    TFormExcRep_Date(gasdata::PassportMode mode, const gasdata::ArchiveBounds& bounds,
                     settings::ObjectList& objects, PassportObjectHooks hooks,
                     dialogue::Operator& op, QWidget* parent = nullptr);

    // Set once "Принять" passed its checks.
    const std::optional<gasdata::PassportChoice>& Result() const { return result_; }

    QSpinBox* yearBox() const { return year_; }
    QComboBox* monthBox() const { return month_; }
    QComboBox* dayBox() const { return day_; }
    QComboBox* objectBox() const { return object_; }
    QPushButton* acceptButton() const { return accept_; }

private:
    void FillDays();
    void FillObjects();
    void ObjectChosen(int index);
    void BitBtn1Click();

    gasdata::PassportMode mode_;
    gasdata::ArchiveBounds bounds_;
    settings::ObjectList& objects_;
    PassportObjectHooks hooks_;
    dialogue::Operator& op_;
    QSpinBox* year_ = nullptr;
    QComboBox* month_ = nullptr;
    QComboBox* day_ = nullptr;
    QComboBox* object_ = nullptr;
    QPushButton* accept_ = nullptr;
    std::optional<gasdata::PassportChoice> result_;
};

}  // namespace zor06::screens
