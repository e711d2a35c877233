#include "config/screens/TFormConWMT.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/screens/link_lists.h"

namespace zor06::screens {

TFormConWMT::TFormConWMT(std::span<std::uint8_t, config::kMoistureLinkBytes> target,
                         config::EditorMode mode, dialogue::Operator& op, QWidget* parent)
    : EditorDialog(mode, op, QStringLiteral(" Параметры связи с влагомером"), parent),
      target_(target) {
    const config::MoistureEntries e = config::FillMoistureLink(target_);
    line_.address = NumberList(1, 247, target_[0], this, true);
    line_.rate = RateList(e.rateIndex, this);
    line_.mode = ModbusModeList(e.mode, this);
    line_.timeout = NumberList(5, 255, target_[4], this, true);
    line_.failures = NumberList(1, 10, e.failures, this);
    type_ = new QComboBox(this);
    type_->addItems({QStringLiteral("TORVY 3100"), QStringLiteral("ДЕН-5К")});
    type_->setCurrentIndex(e.type.value_or(-1));

    auto* rows = new QFormLayout;
    AddDeviceLineRows(rows, line_, QStringLiteral("влагомера"), QStringLiteral("влагомера"));
    rows->addRow(BuddyLabel(QStringLiteral("Тип влагомера"), type_), type_);
    Content()->addLayout(rows);
}

config::Refusal TFormConWMT::Store() {
    config::MoistureEntries e;
    e.address = line_.address->currentText().toStdString();
    e.rateIndex = Chosen(line_.rate);
    e.mode = Chosen(line_.mode);
    e.timeout = line_.timeout->currentText().toStdString();
    e.failures = Chosen(line_.failures, 1);
    e.type = Chosen(type_);
    return config::AcceptMoistureLink(e, target_);
}

}  // namespace zor06::screens
