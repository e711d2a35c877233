// "Монитор обмена": every frame the link sends and receives while the window is open, one line
// per direction as a line analyser shows them, with pause, clear and saving the lines to a file.
#pragma once

#include <QDialog>
#include <QTimer>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "dialogue/operator.h"
#include "link/exchange_ring.h"
#include "link/hgcbox.h"

class QKeyEvent;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace zor06::screens {

class TFormExchangeMonitor : public QDialog {
    Q_OBJECT
public:
    // The window's ring records the exchanges of `link` from now until the window is destroyed;
    // `capacity` is the number of exchanges kept. `op` is told when a file cannot be saved.
    TFormExchangeMonitor(link::hgcbox& link, dialogue::Operator& op, QWidget* parent = nullptr,
                         std::size_t capacity = link::ExchangeRing::kDefaultCapacity);
    ~TFormExchangeMonitor() override;

    link::ExchangeRing& Ring() { return ring_; }
    // The file to save to; none when cancelled. A save dialog unless replaced (tests).
    std::function<std::optional<std::filesystem::path>(QWidget*)> chooseFile;
    // Writes the lines of every exchange kept to `path`; false with `reason` set.
    bool SaveTo(const std::filesystem::path& path, std::string* reason) const;

    QPlainTextEdit* linesView() const { return lines_; }
    QLabel* countLabel() const { return count_; }
    QPushButton* pauseButton() const { return pause_; }
    QPushButton* clearButton() const { return clear_; }
    QPushButton* saveButton() const { return save_; }
    QPushButton* closeButton() const { return close_; }

public slots:
    // Shows the exchanges the ring took since the last time; the timer calls it.
    void TimerRefreshTimer();
    void PauseClick();
    void ClearClick();
    void SaveClick();

protected:
    // Esc is the operator's way to stop a reading, which the monitor is there to watch: it does
    // not close the monitor too.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowCount();

    link::hgcbox& link_;
    dialogue::Operator& op_;
    link::ExchangeRing ring_;
    std::uint64_t shown_ = 0;  // sequence of the newest exchange shown
    QTimer timer_;
    QPlainTextEdit* lines_ = nullptr;
    QLabel* count_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* clear_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace zor06::screens
