#include "config/screens/TFormPrzDistr.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zor06::screens {

TFormPrzDistr::TFormPrzDistr(std::span<std::uint8_t, config::kGasParameterCount> target,
                             config::EditorMode mode, dialogue::Operator& op, QWidget* parent)
    : EditorDialog(mode, op,
                   QStringLiteral("Необходимость записи  значений параметров газа в ВРГ "), parent),
      target_(target) {
    const config::WriteChoices choices = config::FillWriteChoices(target_);
    auto* rows = new QFormLayout;
    QWidget* previous = nullptr;
    for (int i = 0; i < config::kGasParameterCount; ++i) {
        auto* box = new QComboBox(this);
        box->addItems({QStringLiteral(" Не записывать "), QStringLiteral(" Записывать")});
        box->setCurrentIndex(choices[static_cast<std::size_t>(i)].value_or(-1));
        // The unused parameters stay "Не записывать" and cannot be changed.
        box->setEnabled(config::GasParameterUsed(i));
        rows_[static_cast<std::size_t>(i)] = box;
        rows->addRow(
            BuddyLabel(QString::fromStdString(std::string(config::GasParameterName(i))), box), box);
        if (previous != nullptr) {
            setTabOrder(previous, box);
        }
        previous = box;
    }
    Content()->addLayout(rows);
}

config::Refusal TFormPrzDistr::Store() {
    config::WriteChoices choices;
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i]->currentIndex() >= 0) {
            choices[i] = rows_[i]->currentIndex();
        }
    }
    return config::AcceptWriteChoices(choices, target_);
}

}  // namespace zor06::screens
