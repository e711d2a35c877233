#include "config/screens/TFormSys.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/screens/TimeChangeGroup.h"

namespace zor06::screens {

TFormSys::TFormSys(std::span<std::uint8_t, config::kSystemBytes> target, config::EditorMode mode,
                   dialogue::Operator& op, QWidget* parent)
    : EditorDialog(mode, op, QStringLiteral("Системные параметры контроллера"), parent),
      target_(target) {
    const config::SystemEntries e = config::FillSystem(target_);
    contractHour_ = new QComboBox(this);
    for (int h = 0; h <= 23; ++h) {
        contractHour_->addItem(QStringLiteral("%1:00").arg(h));
    }
    contractHour_->setCurrentIndex(e.contractHour.value_or(-1));

    auto* chromatograph = new QCheckBox(QStringLiteral("Хроматограф"), this);
    chromatograph->setChecked(true);
    chromatograph->setEnabled(false);
    moisture_ = new QCheckBox(QStringLiteral("Влагомер"), this);
    moisture_->setChecked(e.moistureMeter);
    flow_ = new QCheckBox(QStringLiteral("Вычислители расхода газа"), this);
    flow_->setChecked(e.flowComputers);

    auto* top = new QFormLayout;
    top->addRow(BuddyLabel(QStringLiteral("Контрактный час"), contractHour_), contractHour_);
    Content()->addLayout(top);
    auto* devices = new QHBoxLayout;
    devices->addWidget(chromatograph);
    devices->addWidget(moisture_);
    devices->addWidget(flow_);
    Content()->addLayout(devices);

    summer_ =
        new TimeChangeGroup(QStringLiteral(" Переход на летнее время "), 2, 0, 22, e.summer, this);
    winter_ =
        new TimeChangeGroup(QStringLiteral(" Переход на зимнее время "), 9, 1, 23, e.winter, this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(summer_);
    groups->addWidget(winter_);
    Content()->addLayout(groups);
}

config::Refusal TFormSys::Store() {
    config::SystemEntries e;
    if (contractHour_->currentIndex() >= 0) {
        e.contractHour = contractHour_->currentIndex();
    }
    e.moistureMeter = moisture_->isChecked();
    e.flowComputers = flow_->isChecked();
    e.summer = summer_->Entries();
    e.winter = winter_->Entries();
    return config::AcceptSystem(e, target_);
}

}  // namespace zor06::screens
