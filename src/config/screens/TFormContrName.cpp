#include "config/screens/TFormContrName.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "widgets/WholeText.h"

namespace zor06::screens {

TFormContrName::TFormContrName(std::span<std::uint8_t, config::kNamesBytes> target,
                               config::EditorMode mode, dialogue::Operator& op, QWidget* parent)
    : EditorDialog(mode, op, QStringLiteral("Наименования"), parent), target_(target) {
    static const char* const kLabels[] = {"Наименование контроллера",
                                          "Наименование нитки 1 \nхроматографа",
                                          "Наименование нитки 2 \nхроматографа"};
    const config::Names names = config::FillNames(target_);
    auto* rows = new QFormLayout;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        edits_[i] = new QLineEdit(QString::fromStdString(names[i]), this);
        edits_[i]->setMaxLength(static_cast<int>(config::kNameBytes));
        widgets::FitEntry(edits_[i], static_cast<int>(config::kNameBytes));
        rows->addRow(BuddyLabel(QString::fromUtf8(kLabels[i]), edits_[i]), edits_[i]);
    }
    Content()->addLayout(rows);
    setTabOrder(edits_[0], edits_[1]);
    setTabOrder(edits_[1], edits_[2]);
    setTabOrder(edits_[2], acceptButton());
    setTabOrder(acceptButton(), cancelButton());
}

config::Refusal TFormContrName::Store() {
    config::Names names;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        names[i] = edits_[i]->text().trimmed().toStdString();
    }
    return config::AcceptNames(names, target_);
}

}  // namespace zor06::screens
