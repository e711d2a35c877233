// "Возможность исполнения контроллером его функций".
#pragma once

#include <QDialog>

#include "messages/function_info.h"

class QTableWidget;
class QPushButton;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormFunInfo : public QDialog {
    Q_OBJECT
public:
    explicit TFormFunInfo(const messages::FunctionRows& rows, QWidget* parent = nullptr);
    QTableWidget* grid() const { return grid_; }
    QPushButton* exitButton() const { return exit_; }

private:
    QTableWidget* grid_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
