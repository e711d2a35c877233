// What the momentary-value windows share: a reading every 10 seconds from when the window shows
// until it closes, and the buttons that stop and resume it and close the window.
#pragma once

#include <QDialog>
#include <QTimer>

class QPushButton;
class QVBoxLayout;

namespace zor06::screens {

class MomentaryWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 10000;

    QPushButton* refreshButton() const { return refresh_; }
    QPushButton* exitButton() const { return exit_; }
    const QTimer& refreshTimer() const { return timer_; }
    // One refresh, as at each tick of the timer.
    void TimerTimer();

    void done(int result) override;

protected:
    explicit MomentaryWindow(QWidget* parent);
    // Ends the window's column: a stretch, then the row of the two buttons.
    void AddButtons(QVBoxLayout* column);
    // Reads the values and shows them; a failed reading keeps what is shown.
    virtual void ReadAndShow() = 0;
    void showEvent(QShowEvent* event) override;

private:
    void RefreshClick();
    void SetRefreshing(bool on);

    QTimer timer_;
    bool inRefresh_ = false;
    QPushButton* refresh_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
