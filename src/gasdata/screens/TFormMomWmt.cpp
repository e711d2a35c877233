#include "gasdata/screens/TFormMomWmt.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
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

QLineEdit* NewValueField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    return field;
}

}  // namespace

TFormMomWmt::TFormMomWmt(Refresh refresh, QWidget* parent)
    : QDialog(parent), readLines_(std::move(refresh)) {
    setWindowTitle(QStringLiteral(" Мгновенные данные влагомера"));
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &TFormMomWmt::TimerTimer);

    auto* timeLabel = new QLabel(QStringLiteral("Дата и время, к которым относятся данные"), this);
    time_ = NewValueField(this);
    timeLabel->setBuddy(time_);
    valueRows_ = new QFormLayout;

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    refresh_ = widgets::AddToRow(buttons, Text(messages::kStopRefreshText));
    exit_ = widgets::AddToRow(buttons, Text(messages::kExitText));
    connect(refresh_, &QPushButton::clicked, this, &TFormMomWmt::RefreshClick);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(timeLabel);
    column->addWidget(time_);
    column->addLayout(valueRows_);
    column->addStretch(1);
    column->addWidget(buttons);
}

void TFormMomWmt::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        SetRefreshing(true);
        TimerTimer();
    }
}

void TFormMomWmt::done(int result) {
    timer_.stop();
    QDialog::done(result);
}

void TFormMomWmt::TimerTimer() {
    // A reading that lets the event loop turn must not be overtaken by the next tick.
    if (inRefresh_ || !readLines_) {
        return;
    }
    inRefresh_ = true;
    const std::optional<WmtMomentaryLines> lines = readLines_();
    inRefresh_ = false;
    if (lines) {
        Show(*lines);
    }
}

void TFormMomWmt::Show(const WmtMomentaryLines& lines) {
    time_->setText(QString::fromStdString(lines.time));
    for (std::size_t i = 0; i < lines.values.size(); ++i) {
        if (i == values_.size()) {
            labels_.push_back(new QLabel(this));
            values_.push_back(NewValueField(this));
            labels_.back()->setBuddy(values_.back());
            valueRows_->addRow(labels_.back(), values_.back());
        }
        labels_[i]->setText(QString::fromStdString(lines.values[i].first));
        values_[i]->setText(QString::fromStdString(lines.values[i].second));
    }
}

void TFormMomWmt::RefreshClick() {
    SetRefreshing(!timer_.isActive());
}

void TFormMomWmt::SetRefreshing(bool on) {
    refresh_->setText(Text(on ? messages::kStopRefreshText : messages::kStartRefreshText));
    if (on) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

}  // namespace zor06::screens
