#include "config/screens/TFormConVich.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "config/screens/link_lists.h"
#include "widgets/RadioGroup.h"

namespace zor06::screens {
TFormConVich::TFormConVich(std::span<std::uint8_t, config::kFlowLineBytes> target,
                           config::EditorMode mode, dialogue::Operator& op, QWidget* parent)
    : EditorDialog(mode, op, QStringLiteral(" Параметры связи с ВРГ"), parent), target_(target) {
    const config::FlowLineEntries e = config::FillFlowLine(target_);
    count_ = NumberList(1, config::kMaxFlowComputers, e.count, this);
    rate_ = RateList(e.rateIndex, this);
    failures_ = NumberList(1, 10, e.failures, this);
    timeout_ = NumberList(1, 255, e.timeoutTenths, this);
    preambles_ = PreamblesEdit(e.preambles, this);

    auto* rows = new QFormLayout;
    rows->addRow(BuddyLabel(QStringLiteral("Количество подключенных вычислителей"), count_),
                 count_);
    rows->addRow(BuddyLabel(QStringLiteral("Скорость обмена"), rate_), rate_);
    rows->addRow(BuddyLabel(QStringLiteral("Количество неудачных обменов подряд, после\n"
                                           "которого создается диагностическое сообщение"),
                            failures_),
                 failures_);
    rows->addRow(BuddyLabel(QStringLiteral("Таймаут ожидания ответа от вычислителя, дс"), timeout_),
                 timeout_);
    rows->addRow(BuddyLabel(QStringLiteral("Кол. преамбул  в запросе к вычислителю"), preambles_),
                 preambles_);
    rows->addRow(QString(), new QLabel(QStringLiteral("(  0 - 255 ) "), this));
    Content()->addLayout(rows);

    const widgets::RadioGroup group = widgets::NewRadioGroup(
        QStringLiteral(" Режим записи параметров газа в вычислители "),
        {"Не записывать",
         "Записывать средние за закончившийся час\nпри условии отклонения их от значений в ВРГ",
         "Записывать средние за закончившийся час\nзначения периодически безусловно",
         "Записывать средние за закончившиеся сутки\nзначения безусловно"},
        this);
    modes_ = group.buttons;
    if (e.mode) {
        modeButton(*e.mode)->setChecked(true);
    }
    Content()->addWidget(group.box);
}

QRadioButton* TFormConVich::modeButton(int mode) const {
    return qobject_cast<QRadioButton*>(modes_->button(mode));
}

config::Refusal TFormConVich::Store() {
    config::FlowLineEntries e;
    e.count = Chosen(count_, 1);
    e.rateIndex = Chosen(rate_, 0);
    e.failures = Chosen(failures_, 1);
    e.timeoutTenths = Chosen(timeout_, 1);
    e.preambles = preambles_->text().toStdString();
    if (const int checked = modes_->checkedId(); checked >= 0) {
        e.mode = checked;
    }
    return config::AcceptFlowLine(e, target_);
}

}  // namespace zor06::screens
