#include "link/screens/TFormSearch.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "link/connection_text.h"
#include "link/device_search.h"
#include "link/hgcbox.h"
#include "link/screens/entry_fields.h"
#include "settings/link_choice.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

constexpr int kWidth = 430;
constexpr int kHeight = 292;
constexpr int kFirstByteStartMs = 1000;
constexpr int kFirstByteMinMs = 100;
constexpr int kFirstByteMaxMs = 20000;
constexpr int kNextBytesStartMs = 300;
constexpr int kNextBytesMinMs = 55;
constexpr int kNextBytesMaxMs = 3000;
constexpr int kAttemptsStart = 1;

QLineEdit* NewResultField(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setReadOnly(true);
    return edit;
}

}  // namespace

TFormSearch::TFormSearch(settings::LinkSettings& settings, link::hgcbox& link,
                         dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), settings_(settings), link_(link), op_(op) {
    setWindowTitle(QStringLiteral("Определение адреса контроллера  и скорости обмена"));

    auto* grid = new QGridLayout;
    int row = 0;
    const auto addRow = [&](const QString& label, QWidget* control, const QString& range) {
        auto* text = new QLabel(label, this);
        text->setBuddy(control);
        grid->addWidget(text, row, 0);
        grid->addWidget(control, row, 1);
        grid->addWidget(new QLabel(range, this), row++, 2);
    };
    port_ = new QComboBox(this);
    FillPortList(port_, link::RecordDevice(settings_.direct));
    addRow(QStringLiteral("Порт подключения"), port_, QString());
    firstByte_ = NewNumberEdit(this, 5);
    firstByte_->setText(QString::number(kFirstByteStartMs));
    addRow(QStringLiteral("Время ожидания первого байта ответа"), firstByte_,
           QStringLiteral("( 100...20000 )"));
    nextBytes_ = NewNumberEdit(this, 4);
    nextBytes_->setText(QString::number(kNextBytesStartMs));
    addRow(QStringLiteral("Время ожидания следующих байтов ответа"), nextBytes_,
           QStringLiteral("( 55...3000 )"));
    preambles_ = NewNumberEdit(this, 3);
    preambles_->setText(QString::number(settings_.direct.preambles));
    addRow(QStringLiteral("Количество преамбул в запросе"), preambles_,
           QStringLiteral("( 0...255 )"));
    attempts_ = NewNumberEdit(this, 1);
    attempts_->setText(QString::number(kAttemptsStart));
    addRow(QStringLiteral("Количество попыток обмена"), attempts_, QStringLiteral("( 1...5 )"));

    auto* results = new QGroupBox(this);
    auto* resultRow = new QHBoxLayout(results);
    address_ = NewResultField(this);
    rate_ = NewResultField(this);
    for (auto [label, field] : {std::pair{QStringLiteral("Адрес:"), address_},
                                std::pair{QStringLiteral("Скорость обмена:"), rate_}}) {
        auto* text = new QLabel(label, this);
        text->setBuddy(field);
        resultRow->addWidget(text);
        resultRow->addWidget(field);
    }

    search_ = new QPushButton(QStringLiteral("Искать"), this);
    stop_ = new QPushButton(QStringLiteral("Прервать поиск"), this);
    exit_ = new QPushButton(QStringLiteral("Выход"), this);
    stop_->setEnabled(false);
    search_->setDefault(true);
    connect(search_, &QPushButton::clicked, this, &TFormSearch::BitBtn1Click);
    connect(stop_, &QPushButton::clicked, this, &TFormSearch::BitBtn2Click);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(search_);
    buttons->addWidget(stop_);
    buttons->addStretch();
    buttons->addWidget(exit_);

    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addWidget(results);
    column->addStretch();
    column->addLayout(buttons);
    resize(kWidth, kHeight);
    widgets::ReserveTitleRoom(this);
}

bool TFormSearch::Check() {
    bool filled = !SelectedPort(port_).empty();
    for (const QLineEdit* edit : {firstByte_, nextBytes_, preambles_, attempts_}) {
        filled = filled && !edit->text().trimmed().isEmpty();
    }
    if (!filled) {
        op_.ShowMessage(dialogue::MessageKind::InputError, "Введены не все параметры", "");
        return false;
    }
    // The search waits in milliseconds and its ranges are its own; the rest are the link's.
    if (!FieldInRange(firstByte_, kFirstByteMinMs, kFirstByteMaxMs) ||
        !FieldInRange(nextBytes_, kNextBytesMinMs, kNextBytesMaxMs) ||
        !FieldAccepted(preambles_, settings::LinkParameter::Preambles) ||
        !FieldAccepted(attempts_, settings::LinkParameter::Attempts)) {
        op_.ShowMessage(dialogue::MessageKind::InputError, "Вводите значения",
                        "согласно допустимого диапазона");
        return false;
    }
    return true;
}

void TFormSearch::SetSearching(bool on) {
    searching_ = on;
    stop_->setEnabled(on);
    search_->setEnabled(!on);
    exit_->setEnabled(!on);
}

void TFormSearch::BitBtn1Click() {
    if (!Check()) {
        return;
    }
    link::SearchParameters params;
    params.device = SelectedPort(port_);
    params.firstByteTimeoutMs = *FieldValue(firstByte_);
    params.interByteTimeoutMs = *FieldValue(nextBytes_);
    params.preambles = *FieldValue(preambles_);
    params.attempts = *FieldValue(attempts_);
    params.portWaitS = settings_.portWaitS;
    params.linkKind = settings::CurrentLinkKind(settings_).value_or(link::LinkKind::Direct);
    // The chosen port becomes the direct line's port whether or not a controller answers.
    link::SetRecordDevice(settings_.direct, params.device);
    link_.comPort = settings_.direct.comPort;

    SetSearching(true);
    address_->setText(QStringLiteral("255"));
    rate_->clear();
    const link::SearchHooks hooks{[this](int baud) { rate_->setText(QString::number(baud)); },
                                  [this] { return !searching_; }};
    const auto found = link::SearchDevice(link_, params, op_, hooks);
    // A stop pressed after the last request must not abort the next request of the program.
    link_.ClearAbort();
    SetSearching(false);
    if (!found) {
        return;
    }
    settings_.direct.address = static_cast<std::uint8_t>(found->address);
    settings_.direct.baud = found->baud;
    address_->setText(QString::number(found->address));
    rate_->setText(QString::number(found->baud));
    accept();
}

void TFormSearch::BitBtn2Click() {
    searching_ = false;
    link_.RequestAbort();
}

void TFormSearch::done(int result) {
    // The search runs inside the button's handler; the window may not go while it does.
    if (searching_) {
        return;
    }
    link_.ClosePort();
    QDialog::done(result);
}

}  // namespace zor06::screens
