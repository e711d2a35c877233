// The wait window of long operations: three lines chosen by the mode and a progress bar. It opens
// centred over the window that owns it and has no title bar to close it by: only the operation
// ends it (Esc stops a reading), so the window it disables is never left behind without it.
#pragma once

#include <QWidget>

#include "dialogue/wait_mode.h"

class QLabel;
class QProgressBar;

namespace zor06::screens {

class TFormWait : public QWidget {
    Q_OBJECT
public:
    explicit TFormWait(dialogue::WaitMode mode, QWidget* parent = nullptr);
    void SetProgress(int position, int maximum);
    QString Line(int i) const;
    QProgressBar* ProgressBar() const { return bar_; }
    // Closes the window once its operation has ended; any other close is refused.
    void Finish();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* lines_[3] = {};
    QProgressBar* bar_ = nullptr;
    bool finished_ = false;
};

}  // namespace zor06::screens
