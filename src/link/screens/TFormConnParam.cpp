#include "link/screens/TFormConnParam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <vector>

#include "link/baud_rates.h"
#include "link/connection_text.h"
#include "link/screens/entry_fields.h"
#include "settings/link_choice.h"
#include "settings/link_ranges.h"
#include "widgets/ButtonRow.h"
#include "widgets/WholeText.h"

namespace zor06::screens {
namespace {

constexpr int kWidth = 606;
// A usual modem command is seen whole; a longer one scrolls in its entry.
constexpr int kCommandShownChars = 50;

QString Title(link::LinkKind kind) {
    switch (kind) {
        case link::LinkKind::Telephone:
            return QStringLiteral("Параметры связи с устройством (связь по телефону)");
        case link::LinkKind::Ethernet:
            return QStringLiteral("Параметры связи с устройством (Ethernet-интерфейс)");
        case link::LinkKind::Direct:
            break;
    }
    return QStringLiteral("Параметры связи с устройством (непосредственная связь)");
}

// A field and the parameter whose range it must keep; the range's name is the message.
struct RangeRule {
    const QLineEdit* edit;
    settings::LinkParameter parameter;
};

}  // namespace

TFormConnParam::TFormConnParam(settings::LinkSettings& settings, link::LinkKind kind,
                               dialogue::Operator& op, QWidget* parent)
    : QDialog(parent), settings_(settings), kind_(kind), op_(op) {
    setWindowTitle(Title(kind));
    BuildControls();
    ShowSettings();
    resize(kWidth, sizeHint().height());
}

void TFormConnParam::BuildControls() {
    const bool serial = kind_ != link::LinkKind::Ethernet;
    auto* grid = new QGridLayout;
    // Left half: how requests go over the line; right half: what belongs to the link kind.
    int left = 0;
    int right = 0;
    const auto addLeft = [&](const QString& label, QWidget* control) {
        auto* text = new QLabel(label, this);
        text->setBuddy(control);
        grid->addWidget(text, left, 0);
        grid->addWidget(control, left++, 1);
    };
    const auto addRight = [&](const QString& label, QWidget* control) {
        auto* text = new QLabel(label, this);
        text->setBuddy(control);
        grid->addWidget(text, right, 2);
        grid->addWidget(control, right++, 3);
        return text;
    };

    if (serial) {
        port_ = new QComboBox(this);
        addLeft(QStringLiteral("Порт подключения"), port_);
        rate_ = new QComboBox(this);
        for (int rate : link::kBaudRates) {
            rate_->addItem(QString::number(rate));
        }
        addLeft(QStringLiteral("Скорость обмена"), rate_);
    }
    firstByte_ = NewNumberEdit(this, 3);
    addLeft(QStringLiteral("Время ожидания первого\nбайта ответа (1...120)"), firstByte_);
    nextBytes_ = NewNumberEdit(this, 4);
    addLeft(QStringLiteral("Время ожидания след.\nбайтов ответа (55...5000)"), nextBytes_);
    preambles_ = NewNumberEdit(this, 3);
    addLeft(QStringLiteral("Количество преамбул\nв запросе (0...255)"), preambles_);
    attempts_ = new QComboBox(this);
    const settings::LinkRange& attempts = settings::RangeOf(settings::LinkParameter::Attempts);
    for (int n = attempts.min; n <= attempts.max; ++n) {
        attempts_->addItem(QString::number(n));
    }
    addLeft(QStringLiteral("Кол. попыток обмена"), attempts_);

    if (kind_ == link::LinkKind::Telephone) {
        command_ = new QLineEdit(this);
        command_->setMaxLength(static_cast<int>(settings::kCommandChars));
        widgets::FitEntry(command_, kCommandShownChars);
        addRight(QStringLiteral("Команда модему"), command_);
    }
    if (kind_ != link::LinkKind::Direct) {
        connectWait_ = NewNumberEdit(this, 3);
        addRight(kind_ == link::LinkKind::Ethernet
                     ? QStringLiteral("Время ожидания\nсоединения(1...360)")
                     : QStringLiteral("Ожидание соединения"),
                 connectWait_);
        connectAttempts_ = NewNumberEdit(this, 2);
        addRight(QStringLiteral("Кол. попыток соединения"), connectAttempts_);
    }
    if (serial) {
        closePort_ =
            new QCheckBox(QStringLiteral("Освобождать порт после\nкаждого сеанса связи"), this);
        grid->addWidget(closePort_, right++, 2, 1, 2);
        portWait_ = NewNumberEdit(this, 2);
        // "СОМ" here is written in Cyrillic letters.
        portWaitLabel_ = addRight(
            QStringLiteral("Время ожидания\nосвобождения СОМ порта\n (1...20)"), portWait_);
        connect(closePort_, &QCheckBox::clicked, this, &TFormConnParam::CheckBox1Click);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    QDialogButtonBox* buttons = widgets::NewButtonRow(this);
    accept_ = widgets::AddToRow(buttons, QStringLiteral("Принять"));
    exit_ = widgets::AddToRow(buttons, QStringLiteral("Выход"));
    accept_->setDefault(true);
    connect(accept_, &QPushButton::clicked, this, &TFormConnParam::BitBtn1Click);
    connect(exit_, &QPushButton::clicked, this, &QDialog::reject);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    column->addStretch();
    column->addWidget(buttons);
}

void TFormConnParam::ShowSettings() {
    const link::LinkParameters& record = settings::KindRecord(settings_, kind_);
    if (port_ != nullptr) {
        FillPortList(port_, link::RecordDevice(record));
        rate_->setCurrentIndex(link::RateToIndex(record.baud).value_or(-1));
    }
    firstByte_->setText(QString::number(link::MillisToSeconds(record.firstByteTimeoutMs)));
    nextBytes_->setText(QString::number(record.interByteTimeoutMs));
    preambles_->setText(QString::number(record.preambles));
    attempts_->setCurrentIndex(attempts_->findText(QString::number(record.attempts)));

    if (kind_ == link::LinkKind::Telephone) {
        command_->setText(QString::fromStdString(settings_.phone.command));
        connectWait_->setText(QString::number(settings_.phone.connectWaitS));
        connectAttempts_->setText(QString::number(settings_.phone.connectAttempts));
        // The telephone line always holds its port: the release option does not apply.
        closePort_->setEnabled(false);
        portWait_->setEnabled(false);
        portWaitLabel_->setEnabled(false);
    } else if (kind_ == link::LinkKind::Ethernet) {
        connectWait_->setText(QString::number(settings_.ethernet.connectWaitS));
        connectAttempts_->setText(QString::number(settings_.ethernet.connectAttempts));
    } else {
        closePort_->setChecked(settings_.closePort);
        CheckBox1Click();
    }
}

void TFormConnParam::CheckBox1Click() {
    const bool on = closePort_->isChecked();
    portWait_->setEnabled(on);
    portWaitLabel_->setEnabled(on);
    portWait_->setText(on ? QString::number(settings_.portWaitS) : QString());
}

bool TFormConnParam::Check() {
    const bool portWaitUsed = kind_ == link::LinkKind::Direct && closePort_->isChecked();
    std::vector<const QLineEdit*> filled{firstByte_, nextBytes_, preambles_};
    bool chosen = attempts_->currentIndex() >= 0;
    if (port_ != nullptr) {
        chosen = chosen && !SelectedPort(port_).empty() && rate_->currentIndex() >= 0;
    }
    if (connectWait_ != nullptr) {
        filled.push_back(connectWait_);
        filled.push_back(connectAttempts_);
    }
    if (portWaitUsed) {
        filled.push_back(portWait_);
    }
    for (const QLineEdit* edit : filled) {
        chosen = chosen && !edit->text().trimmed().isEmpty();
    }
    if (!chosen) {
        op_.ShowMessage(dialogue::MessageKind::InputError, "Введены не все параметры", "");
        return false;
    }

    using settings::LinkParameter;
    std::vector<RangeRule> rules{
        {preambles_, LinkParameter::Preambles},
        {firstByte_, kind_ == link::LinkKind::Telephone ? LinkParameter::PhoneFirstByteTimeoutS
                                                        : LinkParameter::FirstByteTimeoutS},
        {nextBytes_, LinkParameter::InterByteTimeoutMs},
    };
    if (connectWait_ != nullptr) {
        rules.push_back({connectWait_, kind_ == link::LinkKind::Telephone
                                           ? LinkParameter::PhoneConnectWaitS
                                           : LinkParameter::EthernetConnectWaitS});
        rules.push_back({connectAttempts_, LinkParameter::ConnectAttempts});
    }
    if (portWaitUsed) {
        rules.push_back({portWait_, LinkParameter::PortWaitS});
    }
    for (const RangeRule& rule : rules) {
        if (!FieldAccepted(rule.edit, rule.parameter)) {
            op_.ShowMessage(dialogue::MessageKind::InputError,
                            settings::RangeOf(rule.parameter).name,
                            "Параметр вне допустимого диапазона");
            return false;
        }
    }
    return true;
}

void TFormConnParam::Store() {
    link::LinkParameters& record = settings::KindRecord(settings_, kind_);
    if (port_ != nullptr) {
        link::SetRecordDevice(record, SelectedPort(port_));
        record.baud = link::IndexToRate(rate_->currentIndex());
    }
    record.firstByteTimeoutMs = link::SecondsToMillis(*FieldValue(firstByte_));
    record.interByteTimeoutMs = *FieldValue(nextBytes_);
    record.preambles = static_cast<std::uint8_t>(*FieldValue(preambles_));
    record.attempts = static_cast<std::uint8_t>(attempts_->currentText().toInt());

    switch (kind_) {
        case link::LinkKind::Direct:
            settings_.closePort = closePort_->isChecked();
            if (settings_.closePort) {
                settings_.portWaitS = *FieldValue(portWait_);
            }
            break;
        case link::LinkKind::Telephone:
            settings_.phone.command = command_->text().toStdString();
            settings_.phone.connectWaitS = *FieldValue(connectWait_);
            settings_.phone.connectAttempts = *FieldValue(connectAttempts_);
            break;
        case link::LinkKind::Ethernet:
            settings_.ethernet.connectWaitS = *FieldValue(connectWait_);
            settings_.ethernet.connectAttempts = *FieldValue(connectAttempts_);
            break;
    }
}

void TFormConnParam::BitBtn1Click() {
    if (Check()) {
        Store();
        accept();
    }
}

}  // namespace zor06::screens
