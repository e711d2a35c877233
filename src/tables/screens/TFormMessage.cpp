#include "tables/screens/TFormMessage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "tables/message_window.h"

namespace zor06::screens {
namespace {

constexpr int kAnswerButtonWidth = 75;

}  // namespace

QSize TFormMessage::SizeFor(const QString& caption, const QStringList& lines) {
    qsizetype longest = caption.size();
    for (const QString& line : lines) {
        longest = std::max(longest, line.size());
    }
    const bool line2 = lines.size() > 1 && !lines[1].isEmpty();
    const bool line3 = lines.size() > 2 && !lines[2].isEmpty();
    const int height = line3 ? 175 : (line2 ? 150 : 124);
    const int width = std::max(static_cast<int>(longest) * 10 + 20, 2 * kAnswerButtonWidth + 60);
    return {width, height};
}

TFormMessage::TFormMessage(int kind, const QString& text1, const QString& text2, QWidget* parent)
    : QDialog(parent) {
    const tables::MessageLayout layout =
        tables::LayoutMessage(kind, text1.toStdString(), text2.toStdString());
    setWindowTitle(QString::fromStdString(layout.caption));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* column = new QVBoxLayout(this);
    QStringList texts;
    for (int i = 0; i < 3; ++i) {
        texts << QString::fromStdString(layout.lines[static_cast<std::size_t>(i)]);
        lines_[i] = new QLabel(texts.back(), this);
        lines_[i]->setAlignment(Qt::AlignCenter);
        lines_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        column->addWidget(lines_[i]);
    }
    auto* buttons = new QHBoxLayout;
    yes_ = new QPushButton(QStringLiteral("Да"), this);
    no_ = new QPushButton(QStringLiteral("Нет"), this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    for (QPushButton* b : {no_, yes_}) {
        b->setMinimumWidth(kAnswerButtonWidth);
    }
    // "Нет" stands on the left, with equal gaps around the two answers.
    buttons->addStretch();
    buttons->addWidget(no_);
    buttons->addStretch();
    buttons->addWidget(yes_);
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();
    column->addLayout(buttons);

    yes_->setVisible(layout.question);
    no_->setVisible(layout.question);
    ok_->setVisible(!layout.question);
    connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
    connect(no_, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok_, &QPushButton::clicked, this, &QDialog::reject);
    (layout.question ? yes_ : ok_)->setDefault(true);
    (layout.question ? yes_ : ok_)->setFocus();
    resize(SizeFor(windowTitle(), texts));
}

bool TFormMessage::Ask(int kind, const QString& text1, const QString& text2, QWidget* parent) {
    TFormMessage window(kind, text1, text2, parent);
    return window.exec() == QDialog::Accepted;
}

}  // namespace zor06::screens
