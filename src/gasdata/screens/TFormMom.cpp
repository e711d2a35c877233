#include "gasdata/screens/TFormMom.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "messages/current_state.h"
#include "widgets/ButtonRow.h"

namespace zor06::screens {
namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 562;
constexpr int kValueWidth = 110;

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QLineEdit* NewShownField(QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    return field;
}

}  // namespace

TFormMom::TFormMom(const gasdata::ChrMomentaryFrame& frame, Refresh refresh, QWidget* parent)
    : QDialog(parent), read_(std::move(refresh)) {
    setWindowTitle(Text(frame.caption));
    resize(kWidth, kHeight);
    timer_.setInterval(kRefreshMs);
    connect(&timer_, &QTimer::timeout, this, &TFormMom::TimerTimer);

    auto* timeLabel = new QLabel(Text(gasdata::kChrMomentaryTimeLabel), this);
    time_ = NewShownField(this);
    timeLabel->setBuddy(time_);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(timeLabel);
    timeRow->addWidget(time_);
    timeRow->addStretch(1);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(Text(gasdata::kChrMomentaryNameHeading), this), 0, 0);
    grid->addWidget(new QLabel(Text(gasdata::kChrMomentaryValueHeading), this), 0, 1);
    AddRows(frame, grid);
    formula_ = new QLabel(Text(frame.formulaLabel), this);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    refresh_ = widgets::AddToRow(buttons, Text(messages::kStopRefreshText));
    exit_ = widgets::AddToRow(buttons, Text(messages::kExitText));
    connect(refresh_, &QPushButton::clicked, this, &TFormMom::RefreshClick);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addLayout(timeRow);
    column->addLayout(grid);
    column->addWidget(formula_);
    column->addStretch(1);
    column->addWidget(buttons);
}

void TFormMom::AddRows(const gasdata::ChrMomentaryFrame& frame, QGridLayout* grid) {
    for (int i = 0; i < gasdata::kChrParameters; ++i) {
        const std::size_t at = Index(i);
        names_[at] = new QLabel(Text(frame.names[at]), this);
        values_[at] = NewShownField(this);
        values_[at]->setFixedWidth(kValueWidth);
        values_[at]->setAlignment(Qt::AlignRight);
        names_[at]->setBuddy(values_[at]);
        grid->addWidget(names_[at], i + 1, 0);
        grid->addWidget(values_[at], i + 1, 1);
        if (gasdata::HasZone(i)) {
            zones_[at] = NewShownField(this);
            zones_[at]->setAccessibleName(Text(frame.names[at]).trimmed() +
                                          QStringLiteral(" — зона параметра"));
            grid->addWidget(zones_[at], i + 1, 2);
        }
    }
    grid->setColumnStretch(2, 1);
}

void TFormMom::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous()) {
        SetRefreshing(true);
        TimerTimer();
    }
}

void TFormMom::done(int result) {
    timer_.stop();
    QDialog::done(result);
}

void TFormMom::TimerTimer() {
    // A reading that lets the event loop turn must not be overtaken by the next tick.
    if (inRefresh_) {
        return;
    }
    inRefresh_ = true;
    if (read_.values) {
        if (const auto values = read_.values()) {
            ShowValues(*values);
        }
    }
    if (read_.zones) {
        if (const auto zones = read_.zones()) {
            ShowZones(*zones);
        }
    }
    inRefresh_ = false;
}

void TFormMom::ShowValues(const gasdata::ChrMomentaryValues& values) {
    time_->setText(Text(values.time));
    for (std::size_t i = 0; i < values_.size(); ++i) {
        values_[i]->setText(Text(values.values[i]));
    }
}

void TFormMom::ShowZones(const gasdata::ChrZones& zones) {
    for (std::size_t i = 0; i < zones_.size(); ++i) {
        if (zones_[i] == nullptr || !zones[i]) {
            continue;
        }
        const gasdata::Rgb c = zones[i]->colour;
        QPalette palette = zones_[i]->palette();
        palette.setColor(QPalette::Text, QColor(c.red, c.green, c.blue));
        zones_[i]->setPalette(palette);
        zones_[i]->setText(Text(zones[i]->text));
    }
}

void TFormMom::RefreshClick() {
    SetRefreshing(!timer_.isActive());
}

void TFormMom::SetRefreshing(bool on) {
    refresh_->setText(Text(on ? messages::kStopRefreshText : messages::kStartRefreshText));
    if (on) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

}  // namespace zor06::screens
