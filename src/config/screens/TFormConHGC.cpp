#include "config/screens/TFormConHGC.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/screens/link_lists.h"

namespace zor06::screens {

TFormConHGC::TFormConHGC(std::span<std::uint8_t, config::kChromatographLinkBytes> target,
                         config::EditorMode mode, std::vector<std::uint8_t> flowAddresses,
                         const std::array<std::string, 2>& runNames, dialogue::Operator& op,
                         QWidget* parent)
    : EditorDialog(mode, op, QStringLiteral(" Параметры связи с хроматографом "), parent),
      target_(target),
      flowComputers_(static_cast<int>(flowAddresses.size())) {
    const config::ChromatographEntries e = config::FillChromatographLink(target_, flowComputers_);
    type_ = new QComboBox(this);
    type_->addItem(QStringLiteral("Encal3000"));
    type_->setCurrentIndex(e.type ? 0 : -1);
    line_.address = NumberList(1, 247, target_[0], this, true);
    line_.rate = RateList(e.rateIndex, this);
    line_.mode = ModbusModeList(e.mode, this);
    line_.timeout = NumberList(5, 255, e.timeout, this);
    line_.failures = NumberList(1, 10, e.failures, this);
    parity_ = new QComboBox(this);
    parity_->addItems({QStringLiteral(" Бит четн. отсутствует"),
                       QStringLiteral(" Неч. бит четности"),
                       QStringLiteral(" Четный бит четности")});
    parity_->setCurrentIndex(e.parity.value_or(-1));

    auto* rows = new QFormLayout;
    rows->addRow(BuddyLabel(QStringLiteral("Тип хроматографа"), type_), type_);
    AddDeviceLineRows(rows, line_, QStringLiteral("хроматографа"), QStringLiteral("хромотогр."));
    rows->addRow(BuddyLabel(QStringLiteral("Тип четности"), parity_), parity_);
    Content()->addLayout(rows);

    static const char* const kGroups[] = {" Для передачи Т газа нитке 1 хроматографа ",
                                          " Для передачи Т газа нитке 2 хроматографа "};
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        Run& run = runs_[r];
        run.stored = e.sources[r];
        run.box = new QCheckBox(QStringLiteral(" Задействована нитка %1 (\"%2\")")
                                    .arg(r + 1)
                                    .arg(QString::fromStdString(runNames[r])),
                                this);
        run.box->setChecked(e.runs[r]);
        run.group = new QGroupBox(QString::fromUtf8(kGroups[r]), this);
        run.flow = new QComboBox(run.group);
        for (int i = 0; i < flowComputers_; ++i) {
            run.flow->addItem(QStringLiteral("%1 (адр. %2)")
                                  .arg(i)
                                  .arg(flowAddresses[static_cast<std::size_t>(i)]));
        }
        run.pipeline = NumberList(1, 3, std::nullopt, run.group);
        auto* inner = new QFormLayout(run.group);
        inner->addRow(BuddyLabel(QStringLiteral("Индекс ВРГ"), run.flow), run.flow);
        inner->addRow(BuddyLabel(QStringLiteral("Номер нитки"), run.pipeline), run.pipeline);
        Content()->addWidget(run.box);
        Content()->addWidget(run.group);
        connect(run.box, &QCheckBox::toggled, this, [this, r] { ShowRun(static_cast<int>(r)); });
        ShowRun(static_cast<int>(r));
    }
}

void TFormConHGC::ShowRun(int r) {
    Run& run = runs_[static_cast<std::size_t>(r)];
    const bool usable = flowComputers_ > 0 && run.box->isChecked();
    run.group->setEnabled(usable);
    run.group->setStyleSheet(usable ? QStringLiteral("QGroupBox { color: darkblue }")
                                    : QStringLiteral("QGroupBox { color: grey }"));
    run.flow->setCurrentIndex(usable ? run.stored.flowComputer.value_or(-1) : -1);
    run.pipeline->setCurrentIndex(usable && run.stored.pipeline ? *run.stored.pipeline - 1 : -1);
}

config::Refusal TFormConHGC::Store() {
    config::ChromatographEntries e;
    e.address = line_.address->currentText().toStdString();
    e.rateIndex = Chosen(line_.rate);
    e.mode = Chosen(line_.mode);
    e.parity = Chosen(parity_);
    e.timeout = Chosen(line_.timeout, 5);
    e.failures = Chosen(line_.failures, 1);
    if (type_->currentIndex() == 0) {
        e.type = 3;
    }
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        e.runs[r] = runs_[r].box->isChecked();
        e.sources[r] = {Chosen(runs_[r].flow), Chosen(runs_[r].pipeline, 1)};
    }
    return config::AcceptChromatographLink(e, flowComputers_, target_);
}

}  // namespace zor06::screens
