#include "config/screens/TFormConVU.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/screens/link_lists.h"
#include "widgets/IntegerEntryFilter.h"

namespace zor06::screens {

TFormConVU::TFormConVU(std::span<std::uint8_t, config::kUpperLinkBytes> target,
                       config::EditorMode mode, bool rateEditable, dialogue::Operator& op,
                       QWidget* parent)
    : EditorDialog(mode, op, QStringLiteral(" Параметры связи с верхним уровнем "), parent),
      target_(target) {
    const config::UpperLinkEntries e = config::FillUpperLink(target_, rateEditable);
    address_ = new QComboBox(this);
    address_->setEditable(true);
    for (int a = 1; a <= 254; ++a) {
        address_->addItem(QString::number(a));
    }
    widgets::IntegerEntryFilter::Install(address_);
    address_->setCurrentIndex(target_[0] - 1);
    address_->setEditText(QString::fromStdString(e.address));

    rate_ = RateList(e.rateIndex, this);
    rate_->setEnabled(rateEditable);

    preambles_ = PreamblesEdit(e.preambles, this);

    auto* rows = new QFormLayout;
    rows->addRow(BuddyLabel(QStringLiteral("Адрес контроллера"), address_), address_);
    rows->addRow(BuddyLabel(QStringLiteral("Скорость обмена"), rate_), rate_);
    rows->addRow(BuddyLabel(QStringLiteral("Кол. преамбул  при ответе ВУ"), preambles_),
                 preambles_);
    rows->addRow(QString(), new QLabel(QStringLiteral("(  0 - 255 ) "), this));
    Content()->addLayout(rows);
    setTabOrder(address_, rate_);
    setTabOrder(rate_, preambles_);
    setTabOrder(preambles_, acceptButton());
    setTabOrder(acceptButton(), cancelButton());
}

config::Refusal TFormConVU::Store() {
    config::UpperLinkEntries e;
    e.address = address_->currentText().toStdString();
    if (rate_->currentIndex() >= 0) {
        e.rateIndex = rate_->currentIndex();
    }
    e.rateEnabled = rate_->isEnabled();
    e.preambles = preambles_->text().toStdString();
    return config::AcceptUpperLink(e, target_);
}

}  // namespace zor06::screens
