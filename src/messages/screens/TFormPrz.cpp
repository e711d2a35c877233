#include "messages/screens/TFormPrz.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogue/operator.h"
#include "messages/flow_exchange.h"
#include "messages/screens/TFormVichInf.h"
#include "messages/screens/state_label.h"
#include "messages/table_states_read.h"

namespace zor06::screens {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QString Heading(const messages::StateLine& line) {
    QString text = Text(line.heading[0]);
    if (!line.heading[1].empty()) {
        text += QLatin1Char('\n') + Text(line.heading[1]);
    }
    return text;
}

}  // namespace

TFormPrz::TFormPrz(tables::TableContext& ctx, CurrentStateHooks hooks, QWidget* parent)
    : QDialog(parent),
      ctx_(ctx),
      hooks_(std::move(hooks)),
      state_(messages::DevicesPresent(ctx.image)) {
    setWindowTitle(Text(messages::kCurrentStateCaption));
    timer_.setInterval(messages::kRefreshMs);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &TFormPrz::TimerTimer);
    AddLines();
    ShowValues();
}

void TFormPrz::AddLines() {
    auto* grid = new QGridLayout;
    int row = 0;
    const messages::Devices devices = state_.Present();
    for (const messages::StateLine& line : messages::CurrentStateLines()) {
        const bool enabled = messages::ItemEnabled(line.item, devices);
        if (!line.heading[0].empty()) {
            auto* heading = new QLabel(Heading(line), this);
            heading->setStyleSheet(QStringLiteral("font-weight: bold"));
            heading->setEnabled(enabled || !line.label.empty());
            grid->addWidget(heading, row, 0, 1, line.label.empty() ? 1 : 2);
            if (!line.label.empty()) {
                ++row;
            }
        }
        if (!line.label.empty()) {
            auto* label = new QLabel(Text(line.label), this);
            label->setEnabled(enabled);
            label->setIndent(16);
            grid->addWidget(label, row, 0);
        }
        QWidget* value = nullptr;
        if (line.hasValue) {
            auto* text = new QLabel(this);
            text->setAccessibleName(Text(line.label.empty() ? line.heading[0] : line.label));
            values_[static_cast<std::size_t>(line.item)] = text;
            value = text;
        } else if (line.item == messages::StateItem::FlowButton && flow_ == nullptr) {
            flow_ = new QPushButton(QStringLiteral("..."), this);
            flow_->setAccessibleName(Text(messages::kFlowExchangeCaption));
            connect(flow_, &QPushButton::clicked, this,
                    [this] { WhenLineFree(&TFormPrz::FlowClick); });
            value = flow_;
        } else if (line.item == messages::StateItem::TablesButton) {
            tables_ = new QPushButton(QStringLiteral("..."), this);
            tables_->setAccessibleName(Text(line.label));
            connect(tables_, &QPushButton::clicked, this,
                    [this] { WhenLineFree(&TFormPrz::TablesClick); });
            value = tables_;
        }
        if (value != nullptr) {
            value->setEnabled(enabled);
            grid->addWidget(value, row, 1);
        }
        ++row;
    }
    refresh_ = new QPushButton(Text(messages::kStopRefreshText), this);
    exit_ = new QPushButton(Text(messages::kExitText), this);
    connect(refresh_, &QPushButton::clicked, this, &TFormPrz::RefreshClick);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(refresh_);
    buttons->addStretch();
    buttons->addWidget(exit_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
}

void TFormPrz::ShowValues() {
    for (std::size_t i = 0; i < values_.size(); ++i) {
        const auto& value = state_.Value(static_cast<messages::StateItem>(i));
        if (values_[i] != nullptr && value) {
            ShowStateText(values_[i], *value);
        }
    }
}

void TFormPrz::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (Refreshing()) {
        timer_.start();
    }
}

// Whichever way the window goes ("Выход", the close box, the table-state button), no refresh
// request follows it.
void TFormPrz::done(int result) {
    closed_ = true;
    timer_.stop();
    QDialog::done(result);
}

void TFormPrz::TimerTimer() {
    timer_.stop();
    if (!Busy()) {
        inRefresh_ = true;
        messages::Refresh(ctx_, state_, [this] {
            QCoreApplication::processEvents();
            return Refreshing() && !Busy();
        });
        inRefresh_ = false;
        ShowValues();
    }
    if (Refreshing()) {
        timer_.start();
    }
}

void TFormPrz::RefreshClick() {
    refreshing_ = !refreshing_;
    refresh_->setText(Text(refreshing_ ? messages::kStopRefreshText : messages::kStartRefreshText));
    if (Refreshing()) {
        timer_.start();
    } else {
        timer_.stop();
    }
}

void TFormPrz::SetButtonsEnabled(bool enabled) {
    const messages::Devices devices = state_.Present();
    flow_->setEnabled(enabled && messages::ItemEnabled(messages::StateItem::FlowButton, devices));
    tables_->setEnabled(enabled);
    exit_->setEnabled(enabled);
}

void TFormPrz::WhenLineFree(void (TFormPrz::*click)()) {
    constexpr int kRetryMs = 50;
    if (!inRefresh_ && !Busy()) {
        (this->*click)();
        return;
    }
    QTimer::singleShot(kRetryMs, this, [this, click] {
        if (!closed_) {
            WhenLineFree(click);
        }
    });
}

void TFormPrz::ReadPaused(const std::function<void()>& read) {
    const dialogue::BusyScope busy(ctx_.op);
    timer_.stop();
    SetButtonsEnabled(false);
    read();
    if (hooks_.messageTimer) {
        hooks_.messageTimer();
    }
}

void TFormPrz::FlowClick() {
    std::optional<messages::FlowExchange> exchange;
    ReadPaused([&] { exchange = messages::ReadFlowExchange(ctx_); });
    if (exchange && !closed_) {
        TFormVichInf form(messages::FlowRows(*exchange), this);
        form.exec();
    }
    SetButtonsEnabled(true);
    if (Refreshing()) {
        timer_.start();
    }
}

void TFormPrz::TablesClick() {
    std::optional<config::TableStates> states;
    ReadPaused([&] { states = messages::ReadTableStates(ctx_); });
    SetButtonsEnabled(true);
    if (states && !closed_) {
        tableStates_ = std::move(states);
        done(kTableStatesWanted);
    } else if (Refreshing()) {
        timer_.start();
    }
}

}  // namespace zor06::screens
