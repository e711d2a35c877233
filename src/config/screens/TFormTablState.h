// "Состояние таблиц параметров конфигурации": which writable tables the controller reports
// destroyed, and which of them the operator has written again.
#pragma once

#include <QDialog>

#include "config/table_state.h"

class QPushButton;
class QTableWidget;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormTablState : public QDialog {
    Q_OBJECT
public:
    // The selection of `states` is the screen's output; exec() returns a TableStateResult.
    TFormTablState(config::TableStates& states, link::LinkKind kind, dialogue::Operator& op,
                   QWidget* parent = nullptr);

    QTableWidget* list() const { return list_; }
    QPushButton* writeChosenButton() const { return writeChosen_; }
    QPushButton* writeAllButton() const { return writeAll_; }
    QPushButton* exitButton() const { return exit_; }
    // The table number of a list row.
    int TableOfRow(int row) const { return rows_[static_cast<std::size_t>(row)].table; }

private:
    void FillList(link::LinkKind kind);
    void FitList();
    void BitBtn1Click();
    void BitBtn2Click();

    config::TableStates& states_;
    dialogue::Operator& op_;
    std::vector<config::TableStateRow> rows_;
    QTableWidget* list_ = nullptr;
    QPushButton* writeChosen_ = nullptr;
    QPushButton* writeAll_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
