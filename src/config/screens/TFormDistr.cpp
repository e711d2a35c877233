#include "config/screens/TFormDistr.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/distribution_editors.h"

namespace zor06::screens {

TFormDistr::TFormDistr(std::span<std::uint8_t, 2> target, config::EditorMode mode,
                       dialogue::Operator& op, QWidget* parent)
    : EditorDialog(mode, op,
                   QStringLiteral("Период записи средних за час значений параметров газа в ВРГ"),
                   parent),
      target_(target) {
    period_ = new QComboBox(this);
    for (const int hours : config::kDistributionPeriods) {
        period_->addItem(QStringLiteral(" %1").arg(hours));
    }
    period_->setCurrentIndex(config::FillPeriod(target_).value_or(-1));
    auto* row = new QHBoxLayout;
    row->addWidget(BuddyLabel(
        QStringLiteral("Период записи средних за час\nзначений параметров газа в ВРГ"), period_));
    row->addWidget(period_);
    row->addWidget(new QLabel(QStringLiteral("ч"), this));
    Content()->addLayout(row);
}

config::Refusal TFormDistr::Store() {
    const int index = period_->currentIndex();
    return config::AcceptPeriod(index >= 0 ? std::optional<int>(index) : std::nullopt, target_);
}

}  // namespace zor06::screens
