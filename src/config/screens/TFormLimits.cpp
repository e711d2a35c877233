#include "config/screens/TFormLimits.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zor06::screens {

TFormLimits::TFormLimits(std::span<std::uint8_t, config::kLimitBytes> target, int kind,
                         config::EditorMode mode, dialogue::Operator& op, QWidget* parent)
    : EditorDialog(mode, op, QString::fromStdString(std::string(config::LimitCaption(kind))),
                   parent),
      target_(target),
      kind_(kind) {
    const config::LimitTexts texts = config::FillLimits(kind, target_);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Наименование\nпараметра"), this), 0, 0);
    grid->addWidget(new QLabel(QStringLiteral("Диапазон"), this), 0, 1);
    QWidget* previous = nullptr;
    for (int p = 0; p < config::kGasParameterCount; ++p) {
        const auto i = static_cast<std::size_t>(p);
        auto* edit = new QLineEdit(QString::fromStdString(texts[i]), this);
        edit->setMaxLength(8);
        edits_[i] = edit;
        QLabel* name =
            BuddyLabel(QString::fromStdString(std::string(config::GasParameterName(p))), edit);
        QString unit;
        if (config::GasParameterUsed(p)) {
            unit = QString::fromStdString(std::string(config::LimitRangeOf(kind, p).unit));
            edit->installEventFilter(this);
            connect(edit, &QLineEdit::editingFinished, this, [this, p] { Reshow(p); });
            if (previous != nullptr) {
                setTabOrder(previous, edit);
            }
            previous = edit;
        } else {
            name->setStyleSheet(QStringLiteral("color: darkblue"));
            edit->setEnabled(false);
        }
        grid->addWidget(name, p + 1, 0);
        grid->addWidget(new QLabel(QString::fromStdString(config::RangeText(kind, p)), this), p + 1,
                        1);
        grid->addWidget(edit, p + 1, 2);
        grid->addWidget(new QLabel(unit, this), p + 1, 3);
    }
    Content()->addLayout(grid);
}

bool TFormLimits::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* edit = static_cast<QLineEdit*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (typed.size() == 1 && typed[0].isPrint()) {
            const char c = typed[0].toLatin1();
            const std::string text = edit->text().toStdString();
            if (c == 0 || !config::AcceptsNumberChar(
                              text, static_cast<std::size_t>(edit->cursorPosition()), c)) {
                return true;
            }
            if (c == ',') {
                edit->insert(QStringLiteral("."));
                return true;
            }
        }
    }
    return EditorDialog::eventFilter(watched, event);
}

void TFormLimits::Reshow(int parameter) {
    QLineEdit* edit = edits_[static_cast<std::size_t>(parameter)];
    bool ok = false;
    const double value = edit->text().toDouble(&ok);
    if (ok) {
        edit->setText(QString::fromStdString(
            config::FixedText(value, config::LimitRangeOf(kind_, parameter).decimals)));
    }
}

config::Refusal TFormLimits::Store() {
    config::LimitTexts texts;
    for (std::size_t i = 0; i < edits_.size(); ++i) {
        texts[i] = edits_[i]->text().toStdString();
    }
    return config::AcceptLimits(kind_, texts, target_);
}

}  // namespace zor06::screens
