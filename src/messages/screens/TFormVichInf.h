// "Состояние обмена с вычислителями РГ": the address, link and parameter writing of each
// connected flow computer.
#pragma once

#include <QDialog>
#include <vector>

#include "messages/flow_exchange.h"

class QTableWidget;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormVichInf : public QDialog {
    Q_OBJECT
public:
    explicit TFormVichInf(const std::vector<messages::FlowRow>& rows, QWidget* parent = nullptr);
    QTableWidget* grid() const { return grid_; }
    QPushButton* exitButton() const { return exit_; }

private:
    QTableWidget* grid_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
