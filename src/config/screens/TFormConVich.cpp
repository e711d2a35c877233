#include "config/screens/TFormConVich.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "config/screens/link_lists.h"

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

    static const char* const kModes[] = {
        "Не записывать",
        "Записывать средние за закончившийся час\nпри условии отклонения их от значений в ВРГ",
        "Записывать средние за закончившийся час\nзначения периодически безусловно",
        "Записывать средние за закончившиеся сутки\nзначения безусловно"};
    auto* group =
        new QGroupBox(QStringLiteral(" Режим записи параметров газа в вычислители "), this);
    auto* column = new QVBoxLayout(group);
    auto* exclusive = new QButtonGroup(this);
    for (std::size_t m = 0; m < modes_.size(); ++m) {
        modes_[m] = new QRadioButton(QString::fromUtf8(kModes[m]), group);
        exclusive->addButton(modes_[m], static_cast<int>(m));
        column->addWidget(modes_[m]);
    }
    if (e.mode) {
        modes_[static_cast<std::size_t>(*e.mode)]->setChecked(true);
    }
    Content()->addWidget(group);
}

config::Refusal TFormConVich::Store() {
    config::FlowLineEntries e;
    e.count = Chosen(count_, 1);
    e.rateIndex = Chosen(rate_, 0);
    e.failures = Chosen(failures_, 1);
    e.timeoutTenths = Chosen(timeout_, 1);
    e.preambles = preambles_->text().toStdString();
    for (std::size_t m = 0; m < modes_.size(); ++m) {
        if (modes_[m]->isChecked()) {
            e.mode = static_cast<int>(m);
        }
    }
    return config::AcceptFlowLine(e, target_);
}

}  // namespace zor06::screens
