// "Системные параметры контроллера": the changes of time, the contract hour and the connected
// devices (table 6 bytes 0..9).
#pragma once

#include <span>

#include "config/screens/EditorDialog.h"
#include "config/system_editor.h"

class QCheckBox;
class QComboBox;

namespace zor06::screens {

class TimeChangeGroup;

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormSys : public EditorDialog {
    Q_OBJECT
public:
    TFormSys(std::span<std::uint8_t, config::kSystemBytes> target, config::EditorMode mode,
             dialogue::Operator& op, QWidget* parent = nullptr);
    QComboBox* contractHourBox() const { return contractHour_; }
    QCheckBox* moistureBox() const { return moisture_; }
    QCheckBox* flowBox() const { return flow_; }
    TimeChangeGroup* summerGroup() const { return summer_; }
    TimeChangeGroup* winterGroup() const { return winter_; }

protected:
    config::Refusal Store() override;

private:
    std::span<std::uint8_t, config::kSystemBytes> target_;
    QComboBox* contractHour_ = nullptr;
    QCheckBox* moisture_ = nullptr;
    QCheckBox* flow_ = nullptr;
    TimeChangeGroup* summer_ = nullptr;
    TimeChangeGroup* winter_ = nullptr;
};

}  // namespace zor06::screens
