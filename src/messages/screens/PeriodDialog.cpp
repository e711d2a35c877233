#include "messages/screens/PeriodDialog.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "messages/screens/PeriodGroupBox.h"

namespace zor06::screens {

PeriodDialog::PeriodDialog(int lists, bool editable, dialogue::Operator& op, QWidget* parent)
    : PresetDialog(op, parent) {
    setWindowTitle(QStringLiteral("Ввод периода времени запрашиваемых данных"));
    start_ = new PeriodGroupBox(QStringLiteral(" Начало периода "), lists, editable, this);
    end_ = new PeriodGroupBox(QStringLiteral(" Конец периода "), lists, editable, this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(start_);
    groups->addWidget(end_);
    column_ = new QVBoxLayout(this);
    column_->addLayout(groups);
}

void PeriodDialog::SetControlsEnabled(bool enabled) {
    start_->SetControlsEnabled(enabled);
    end_->SetControlsEnabled(enabled);
}

}  // namespace zor06::screens
