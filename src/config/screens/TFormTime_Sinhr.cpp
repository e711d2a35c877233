#include "config/screens/TFormTime_Sinhr.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zor06::screens {

TFormTime_Sinhr::TFormTime_Sinhr(config::SyncSwitches& value, config::EditorMode mode,
                                 dialogue::Operator& op, QWidget* parent)
    : EditorDialog(mode, op, QStringLiteral(" Синхронизация времени"), parent),
      value_(value),
      model_(value) {
    static const char* const kTexts[] = {
        "С временем вычислителя", "С временем ЭВМ",
        "В момент синхронизации времени\nконтроллера с временем вычислителя",
        "В момент синхронизации времени\nконтроллера с временем ЭВМ"};
    auto* controller = new QGroupBox(QStringLiteral(" Синхронизировать время контроллера "), this);
    auto* chromatograph =
        new QGroupBox(QStringLiteral(" Синхронизировать время хроматографа "), this);
    auto* top = new QVBoxLayout(controller);
    auto* bottom = new QVBoxLayout(chromatograph);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        boxes_[i] = new QCheckBox(QString::fromUtf8(kTexts[i]), this);
        (i < 2 ? top : bottom)->addWidget(boxes_[i]);
        connect(boxes_[i], &QCheckBox::clicked, this, [this, i](bool on) {
            model_.SetChecked(static_cast<int>(i), on);
            Show();
        });
    }
    Content()->addWidget(controller);
    Content()->addWidget(chromatograph);
    Show();
}

void TFormTime_Sinhr::Show() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const int box = static_cast<int>(i);
        boxes_[i]->setChecked(model_.Checked(box));
        boxes_[i]->setEnabled(model_.Enabled(box));
    }
}

config::Refusal TFormTime_Sinhr::Store() {
    value_ = model_.Values();
    return std::nullopt;
}

}  // namespace zor06::screens
