// " Мгновенные данные влагомера": the moisture meter's momentary values with the time they
// belong to, refreshed every 10 seconds until the operator stops it.
#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zor06::screens {

struct WmtMomentaryLines {
    std::string time;
    std::vector<std::pair<std::string, std::string>> values;  // label, value text
};

// NOLINTNEXTLINE(readability-identifier-naming): screens keep their established names.
class TFormMomWmt : public QDialog {
    Q_OBJECT
public:
    static constexpr int kRefreshMs = 10000;
    // Nothing when the reading failed; the window then keeps what it shows.
    using Refresh = std::function<std::optional<WmtMomentaryLines>()>;

    explicit TFormMomWmt(Refresh refresh, QWidget* parent = nullptr);

    QLineEdit* timeField() const { return time_; }
    const std::vector<QLineEdit*>& valueFields() const { return values_; }
    QPushButton* refreshButton() const { return refresh_; }
    QPushButton* exitButton() const { return exit_; }
    const QTimer& refreshTimer() const { return timer_; }
    // One refresh, as at each tick of the timer.
    void TimerTimer();

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Show(const WmtMomentaryLines& lines);
    void RefreshClick();
    void SetRefreshing(bool on);

    Refresh readLines_;
    QTimer timer_;
    bool inRefresh_ = false;
    QLineEdit* time_ = nullptr;
    QFormLayout* valueRows_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> values_;
    QPushButton* refresh_ = nullptr;
    QPushButton* exit_ = nullptr;
};

}  // namespace zor06::screens
