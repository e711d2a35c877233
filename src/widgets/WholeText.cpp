#include "widgets/WholeText.h"

#include <QApplication>
#include <QBoxLayout>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>

namespace zor06::widgets {
namespace {

// QLineEdit keeps two pixels free on either side of its text, and one for the cursor.
constexpr int kTextSideMargin = 2;
constexpr int kCursorWidth = 1;
// The icon and the three buttons of a title bar, with their gaps.
constexpr int kTitleBarExtras = 120;
// A capital of average width: a name of these is wider than almost any real one.
constexpr char16_t kNameSampleLetter = u'Н';

}  // namespace

int EditWidthFor(const QLineEdit* edit, const QString& text) {
    const QFontMetrics metrics = edit->fontMetrics();
    const QMargins margins = edit->textMargins();
    const int contents = metrics.horizontalAdvance(text) + 2 * kTextSideMargin + kCursorWidth +
                         margins.left() + margins.right();
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    return edit->style()
        ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(contents, metrics.height()), edit)
        .width();
}

void KeepWideEnoughFor(QLineEdit* edit, const QString& sample) {
    edit->setMinimumWidth(std::max(edit->minimumWidth(), EditWidthFor(edit, sample)));
}

void SetWholeText(QLineEdit* edit, const QString& text) {
    KeepWideEnoughFor(edit, text);
    edit->setText(text);
    edit->home(false);
}

void FitEntry(QLineEdit* edit, int chars) {
    KeepWideEnoughFor(edit, QString(chars, QChar(kNameSampleLetter)));
    KeepWideEnoughFor(edit, edit->text());
}

int TitleBarWidth(const QString& title) {
    QFont caption = QApplication::font();
    caption.setBold(true);
    return QFontMetrics(caption).horizontalAdvance(title) + kTitleBarExtras;
}

void ReserveTitleRoom(QWidget* window) {
    const int width = TitleBarWidth(window->windowTitle());
    auto* column = qobject_cast<QBoxLayout*>(window->layout());
    if (column == nullptr || column->direction() != QBoxLayout::TopToBottom) {
        window->setMinimumWidth(std::max(window->minimumWidth(), width));
        return;
    }
    // A strut rather than a minimum width, so that the layout's own minimum still counts.
    column->addStrut(width - column->contentsMargins().left() - column->contentsMargins().right());
}

}  // namespace zor06::widgets
