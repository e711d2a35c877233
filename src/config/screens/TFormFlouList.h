// "Параметры вычислителей расхода газа": the list of flow computers, each opened in its own screen.
#pragma once

#include <QDialog>
#include <array>

#include "config/editor.h"
#include "config/flow_commands.h"
#include "config/flow_computers.h"
#include "dialogue/operator.h"

class QPushButton;
class QTableWidget;

namespace zor06::screens {

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormFlouList : public QDialog {
    Q_OBJECT
public:
    TFormFlouList(const config::FlowRecords& records, int count, std::uint8_t runs,
                  config::EditorMode mode, dialogue::Operator& op, QWidget* parent = nullptr);
    // Once accepted: the count, the records and the positions whose passwords must be written.
    const config::FlowListResult& Result() const { return result_; }

    // Opens a flow computer's screen; replaced by tests.
    std::function<bool(config::FlowRecord&, int position, bool& split, bool* passwordChanged)>
        editRecord;

    QTableWidget* grid() const { return grid_; }
    QPushButton* addButton() const { return add_; }
    QPushButton* changeButton() const { return change_; }
    QPushButton* deleteButton() const { return delete_; }
    QPushButton* acceptButton() const { return accept_; }

private:
    void Refill(int selectRow);
    void AddClicked();
    void ChangeClicked();
    void DeleteClicked();
    void AcceptClicked();

    config::FlowList list_;
    std::uint8_t runs_;
    dialogue::Operator& op_;
    std::array<bool, config::kMaxFlowComputers> split_{};
    config::FlowListResult result_;
    QTableWidget* grid_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* accept_ = nullptr;
};

}  // namespace zor06::screens
