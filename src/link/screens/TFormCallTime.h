// The call-duration panel of the telephone link: the time since the call came up, ticking every
// second, and the button that hangs up.
#pragma once

#include <QFrame>
#include <QTimer>

#include "platform/clock.h"

class QLabel;
class QPushButton;

namespace zor06::screens {

class TFormCallTime : public QFrame {
    Q_OBJECT
public:
    explicit TFormCallTime(QWidget* parent, platform::Clock& clock = platform::SystemClock());

    // The call came up now: "00:00:00", the timer running, the panel shown in front.
    void Start();
    // The call ended: hidden, the timer stopped.
    void Stop();
    bool Running() const { return timer_.isActive(); }

    QLabel* timeLabel() const { return time_; }
    QPushButton* hangUpButton() const { return hangUp_; }

signals:
    // "Отключить связь".
    void hangUpRequested();

public slots:
    void TimerCallTimer();

private:
    platform::Clock& clock_;
    platform::MonoTime start_{};
    QTimer timer_;
    QLabel* time_ = nullptr;
    QPushButton* hangUp_ = nullptr;
};

}  // namespace zor06::screens
