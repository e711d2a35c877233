// "Текущие дата и время": the controller's, the PC's and the chromatograph's clocks side by side,
// and the correction of the controller's clock from the PC's.
#pragma once

#include <QDialog>
#include <cstdint>

#include "config/clock_view.h"
#include "dialogue/operator.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormDt : public QDialog {
    Q_OBJECT
public:
    TFormDt(const config::ClockView& view, dialogue::Operator& op, QWidget* parent = nullptr);
    // The seconds to send once accepted.
    std::int16_t Correction() const { return correction_; }

    QTableWidget* table() const { return table_; }
    QLabel* forbiddenLine() const { return forbidden_; }
    QPushButton* correctButton() const { return correct_; }
    QPushButton* exitButton() const { return exit_; }

private:
    void CorrectClicked();

    const config::ClockView& view_;
    dialogue::Operator& op_;
    std::int16_t correction_ = 0;
    QTableWidget* table_ = nullptr;
    QLabel* forbidden_ = nullptr;
    QPushButton* correct_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
