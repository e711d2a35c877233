#include "link/screens/TFormCallTime.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/call_duration.h"

namespace zor06::screens {

TFormCallTime::TFormCallTime(QWidget* parent, platform::Clock& clock)
    : QFrame(parent), clock_(clock) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel("Продолжительность связи по телефону", this);
    time_ = new QLabel("00:00:00", this);
    time_->setAlignment(Qt::AlignCenter);
    caption->setBuddy(time_);
    hangUp_ = new QPushButton("Отключить связь", this);
    layout->addWidget(caption);
    layout->addWidget(time_);
    layout->addWidget(hangUp_);
    adjustSize();
    hide();
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &TFormCallTime::TimerCallTimer);
    connect(hangUp_, &QPushButton::clicked, this, &TFormCallTime::hangUpRequested);
}

void TFormCallTime::Start() {
    start_ = clock_.Now();
    time_->setText("00:00:00");
    timer_.start();
    show();
    raise();
}

void TFormCallTime::Stop() {
    timer_.stop();
    hide();
}

void TFormCallTime::TimerCallTimer() {
    time_->setText(QString::fromStdString(link::CallDurationText(clock_.Now() - start_)));
}

}  // namespace zor06::screens
