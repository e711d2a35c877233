// The wait window of long operations: three lines chosen by the mode and a progress bar.
#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;

namespace zor06::screens {

class TFormWait : public QWidget {
    Q_OBJECT
public:
    explicit TFormWait(int mode, QWidget* parent = nullptr);
    void SetProgress(int position, int maximum);
    QString Line(int i) const;
    QProgressBar* ProgressBar() const { return bar_; }

private:
    QLabel* lines_[3] = {};
    QProgressBar* bar_ = nullptr;
};

}  // namespace zor06::screens
