#include "tables/screens/TFormMessage.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "tables/message_window.h"
#include "widgets/ButtonRow.h"

namespace zor06::screens {
namespace {

constexpr int kAnswerButtonWidth = 75;
// The lines stand this far in from each side of the window.
constexpr int kLineInset = 7;

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

TFormMessage::TFormMessage(dialogue::MessageKind kind, const QString& text1, const QString& text2,
                           QWidget* parent)
    : QDialog(parent) {
    const tables::MessageLayout layout =
        tables::LayoutMessage(kind, text1.toStdString(), text2.toStdString());
    setWindowTitle(QString::fromStdString(layout.caption));
    setModal(true);

    // The button row spans the whole width, so that centring and the gaps are the window's.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, kLineInset, 0, kLineInset);
    auto* lineColumn = new QVBoxLayout;
    lineColumn->setContentsMargins(kLineInset, 0, kLineInset, 0);
    QStringList texts;
    for (int i = 0; i < 3; ++i) {
        texts << QString::fromStdString(layout.lines[static_cast<std::size_t>(i)]);
        lines_[i] = new QLabel(texts.back(), this);
        lines_[i]->setAlignment(Qt::AlignCenter);
        lines_[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        lineColumn->addWidget(lines_[i]);
    }
    column->addLayout(lineColumn);

    buttons_ = widgets::NewButtonRow(this);
    if (layout.question) {
        no_ = AddButton(QStringLiteral("Нет"));
        yes_ = AddButton(QStringLiteral("Да"));
        connect(yes_, &QPushButton::clicked, this, &QDialog::accept);
        connect(no_, &QPushButton::clicked, this, &QDialog::reject);
    } else {
        ok_ = AddButton(QStringLiteral("OK"));
        connect(ok_, &QPushButton::clicked, this, &QDialog::reject);
    }
    column->addWidget(buttons_);

    QPushButton* first = layout.question ? yes_ : ok_;
    first->setDefault(true);
    first->setFocus();
    resize(SizeFor(windowTitle(), texts));
}

QPushButton* TFormMessage::AddButton(const QString& caption) {
    QPushButton* button = widgets::AddToRow(buttons_, caption);
    button->setFixedWidth(kAnswerButtonWidth);
    return button;
}

void TFormMessage::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (yes_ != nullptr && buttons_->layout() != nullptr) {
        // The box centres the pair between two equal stretches; the spacing between them is
        // made the same as each stretch.
        const int free = width() - yes_->width() - no_->width();
        buttons_->layout()->setSpacing(std::max(0, free / 3));
    }
}

bool TFormMessage::Ask(dialogue::MessageKind kind, const QString& text1, const QString& text2,
                       QWidget* parent) {
    TFormMessage window(kind, text1, text2, parent);
    return window.exec() == QDialog::Accepted;
}

}  // namespace zor06::screens
