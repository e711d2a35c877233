#include "gasdata/screens/MomentaryWindow.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "messages/current_state.h"
#include "widgets/ButtonRow.h"

namespace zor06::screens {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace

MomentaryWindow::MomentaryWindow(QWidget* parent) : QDialog(parent) {
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &MomentaryWindow::TimerTimer);
}

void MomentaryWindow::AddButtons(QVBoxLayout* column) {
    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    refresh_ = widgets::AddToRow(buttons, Text(messages::kStopRefreshText));
    exit_ = widgets::AddToRow(buttons, Text(messages::kExitText));
    connect(refresh_, &QPushButton::clicked, this, &MomentaryWindow::RefreshClick);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    column->addStretch(1);
    column->addWidget(buttons);
}

void MomentaryWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        SetRefreshing(true);
        TimerTimer();
    }
}

void MomentaryWindow::done(int result) {
    timer_.stop();
    QDialog::done(result);
}

void MomentaryWindow::TimerTimer() {
    // A reading that lets the event loop turn must not be overtaken by the next tick.
    if (inRefresh_) {
        return;
    }
    inRefresh_ = true;
    ReadAndShow();
    inRefresh_ = false;
}

void MomentaryWindow::RefreshClick() {
    SetRefreshing(!timer_.isActive());
}

void MomentaryWindow::SetRefreshing(bool on) {
    refresh_->setText(Text(on ? messages::kStopRefreshText : messages::kStartRefreshText));
    if (on) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

}  // namespace zor06::screens
