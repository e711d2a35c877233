// "Текущее состояние контроллера": the abnormal-situation signs and the device links, refreshed
// every second while the window is open, with the way to the flow-computer exchange and to the
// state of the configuration tables.
#pragma once

#include <QDialog>
#include <QTimer>
#include <array>
#include <functional>
#include <optional>

#include "config/table_state.h"
#include "messages/current_state.h"
#include "tables/table_service.h"

class QLabel;
class QPushButton;

namespace zor06::screens {

struct CurrentStateHooks {
    // A request is on the line: the refresh waits for the next tick rather than start another.
    std::function<bool()> busy;
    // The main window's message timer, started after a button's reading.
    std::function<void()> messageTimer;
    // The restoration of destroyed tables, once the window was left for the table states.
    // The table-state screen and the restoration; false when the operator left it with "Выход".
    std::function<bool()> restore;
};

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormPrz : public QDialog {
    Q_OBJECT
public:
    // exec() gives this when the window was left through the table-state button.
    static constexpr int kTableStatesWanted = 2;

    TFormPrz(tables::TableContext& ctx, CurrentStateHooks hooks, QWidget* parent = nullptr);

    // Filled when the window was left through the table-state button.
    const std::optional<config::TableStates>& TableStates() const { return tableStates_; }

    QPushButton* refreshButton() const { return refresh_; }
    QPushButton* exitButton() const { return exit_; }
    QPushButton* flowButton() const { return flow_; }
    QPushButton* tablesButton() const { return tables_; }
    QLabel* valueLabel(messages::StateItem item) const {
        return values_[static_cast<std::size_t>(item)];
    }
    const QTimer& refreshTimer() const { return timer_; }

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddLines();
    void ShowValues();
    void SetButtonsEnabled(bool enabled);
    bool Refreshing() const { return refreshing_ && !closed_; }
    bool Busy() const { return hooks_.busy && hooks_.busy(); }
    // Runs a button's `click` now, or, while a request is out (the event loop turns inside the
    // link's wait), once the line is free.
    void WhenLineFree(void (TFormPrz::*click)());
    // A button's reading: the refresh stopped, the buttons disabled (the caller enables them
    // again) and the busy cursor shown; the main window's message timer starts after it.
    void ReadPaused(const std::function<void()>& read);
    void TimerTimer();
    void RefreshClick();
    void FlowClick();
    void TablesClick();

    tables::TableContext& ctx_;
    CurrentStateHooks hooks_;
    messages::CurrentState state_;
    QTimer timer_;
    bool refreshing_ = true;
    bool closed_ = false;
    bool inRefresh_ = false;
    std::optional<config::TableStates> tableStates_;
    std::array<QLabel*, messages::kStateItemCount> values_{};
    QPushButton* refresh_ = nullptr;
    QPushButton* exit_ = nullptr;
    QPushButton* flow_ = nullptr;
    QPushButton* tables_ = nullptr;
};

}  // namespace zor06::screens
