// Which texts of a shown screen a person would see cut at the default font: a label, button,
// group title, line edit, closed list or table heading whose text is wider (or, on several lines,
// higher) than the room the widget gives it, a heading pushed past the right edge of a table that
// would fit on a screen, and a window too narrow for its own title.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>
#include <algorithm>

namespace zor06::test {

// A table no wider than this must show all its columns without scrolling.
inline constexpr int kScreenWidth = 1280;
// What a window manager's title bar takes besides the title: the icon and three buttons.
inline constexpr int kTitleBarExtras = 120;

struct TextNeed {
    int width = 0;
    int height = 0;
};

// The room `text` takes on its lines; an ampersand that marks a shortcut takes none.
inline TextNeed NeedOf(const QFontMetrics& fm, QString text, bool mnemonic) {
    if (mnemonic) {
        text.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
        text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    }
    const QStringList lines = text.split(QLatin1Char('\n'));
    TextNeed need;
    for (QString line : lines) {
        // Blanks at the end of a line are never drawn.
        while (line.endsWith(QLatin1Char(' '))) {
            line.chop(1);
        }
        need.width = std::max(need.width, fm.horizontalAdvance(line));
    }
    need.height = fm.height() + static_cast<int>(lines.size() - 1) * fm.lineSpacing();
    return need;
}

inline QString Cut(const QWidget* w, const QString& text, int need, int room) {
    return QStringLiteral("%1 %2 \"%3\": needs %4, has %5")
        .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
             QString(text).replace(QLatin1Char('\n'), QLatin1Char('|')))
        .arg(need)
        .arg(room);
}

inline void CheckLabel(const QLabel* label, QStringList& cut) {
    const QString text = label->text();
    if (text.isEmpty()) {
        return;
    }
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    if (label->wordWrap()) {
        // Wrapped lines need the height they take at this width, and the longest word its width.
        const int height = label->heightForWidth(label->width());
        if (height > label->height()) {
            cut << Cut(label, text, height, label->height());
        }
        if (label->minimumSizeHint().width() > label->width()) {
            cut << Cut(label, text, label->minimumSizeHint().width(), label->width());
        }
        return;
    }
    TextNeed need;
    if (label->textFormat() == Qt::RichText ||
        (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text))) {
        QTextDocument document;
        document.setDefaultFont(label->font());
        document.setDocumentMargin(0);
        document.setHtml(text);
        need = {static_cast<int>(std::ceil(document.idealWidth())),
                static_cast<int>(std::ceil(document.size().height()))};
    } else {
        need = NeedOf(label->fontMetrics(), text, label->buddy() != nullptr);
    }
    const int indent = std::max(label->indent(), 0);
    if (need.width + indent > room.width()) {
        cut << Cut(label, text, need.width + indent, room.width());
    }
    if (need.height > room.height()) {
        cut << Cut(label, text, need.height, room.height());
    }
}

inline void CheckButton(const QAbstractButton* button, QStringList& cut) {
    const QString text = button->text();
    if (text.isEmpty()) {
        return;
    }
    const TextNeed need = NeedOf(button->fontMetrics(), text, true);
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    option.icon = button->icon();
    option.iconSize = button->iconSize();
    QStyle* style = button->style();
    const QSize content(need.width, need.height);
    int width = 0;
    if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        width = style->sizeFromContents(QStyle::CT_CheckBox, &option, content, button).width();
    } else if (qobject_cast<const QRadioButton*>(button) != nullptr) {
        width = style->sizeFromContents(QStyle::CT_RadioButton, &option, content, button).width();
    } else if (qobject_cast<const QToolButton*>(button) != nullptr) {
        QStyleOptionToolButton tool;
        tool.initFrom(button);
        width = style->sizeFromContents(QStyle::CT_ToolButton, &tool, content, button).width();
    } else {
        // Without its text, so that the style's smallest button width does not count.
        option.text.clear();
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        width =
            style->sizeFromContents(QStyle::CT_PushButton, &option, content, button).width() + icon;
    }
    if (width > button->width()) {
        cut << Cut(button, text, width, button->width());
    }
}

inline void CheckGroupTitle(const QGroupBox* box, QStringList& cut) {
    if (box->title().isEmpty()) {
        return;
    }
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable()) {
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    }
    if (box->isFlat()) {
        option.features |= QStyleOptionFrame::Flat;
    }
    const QRect label =
        box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    if (label.right() >= box->width()) {
        cut << Cut(box, box->title(), label.right() + 1, box->width());
    }
}

inline void CheckLineEdit(const QLineEdit* edit, QStringList& cut) {
    const QString text = edit->displayText();
    if (text.isEmpty()) {
        return;
    }
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QRect contents =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    // QLineEdit keeps two pixels free on either side and one for the cursor.
    const QMargins margins = edit->textMargins();
    const int room = contents.width() - margins.left() - margins.right() - 2 * 2 - 1;
    const int need = edit->fontMetrics().horizontalAdvance(text);
    if (need > room) {
        cut << Cut(edit, text, need, room);
    }
}

// The text a closed list shows; an editable one shows it in its line edit, checked as such.
inline void CheckComboBox(const QComboBox* box, QStringList& cut) {
    const QString text = box->currentText();
    if (text.isEmpty() || box->isEditable()) {
        return;
    }
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = false;
    option.frame = box->hasFrame();
    option.currentText = text;
    const QRect field = box->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, box);
    const int icon = box->itemIcon(box->currentIndex()).isNull() ? 0 : box->iconSize().width() + 4;
    const int need = box->fontMetrics().horizontalAdvance(text) + icon;
    if (need > field.width()) {
        cut << Cut(box, text, need, field.width());
    }
}

inline void CheckHeadings(const QAbstractItemView* view, const QHeaderView* header,
                          QStringList& cut) {
    if (header == nullptr || header->isHidden() || view->model() == nullptr) {
        return;
    }
    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    const int mark = header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, header);
    const bool fitsOnScreen = header->length() <= kScreenWidth;
    for (int section = 0; section < header->count(); ++section) {
        if (header->isSectionHidden(section)) {
            continue;
        }
        const QString text =
            view->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        const TextNeed need = NeedOf(header->fontMetrics(), text, false);
        const bool sorted =
            header->isSortIndicatorShown() && header->sortIndicatorSection() == section;
        const int width = need.width + 2 * margin + (sorted ? mark + margin : 0);
        if (width > header->sectionSize(section)) {
            cut << Cut(header, text, width, header->sectionSize(section));
        }
        if (need.height + margin > header->height()) {
            cut << Cut(header, text, need.height + margin, header->height());
        }
        const int right = header->sectionViewportPosition(section) + header->sectionSize(section);
        if (fitsOnScreen && right > header->viewport()->width()) {
            cut << Cut(header, text, right, header->viewport()->width());
        }
    }
}

inline void CheckTitle(const QWidget& window, QStringList& cut) {
    if (window.windowTitle().isEmpty()) {
        return;
    }
    QFont bold = QApplication::font();
    bold.setBold(true);
    const int need = QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + kTitleBarExtras;
    if (need > window.width()) {
        cut << Cut(&window, window.windowTitle(), need, window.width());
    }
}

// Every cut text of the shown `window`'s visible widgets; empty when all are whole.
inline QStringList CutTexts(const QWidget& window) {
    QStringList cut;
    CheckTitle(window, cut);
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->width() <= 0) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            CheckLabel(label, cut);
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
            CheckButton(button, cut);
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
            CheckLineEdit(edit, cut);
        } else if (const auto* box = qobject_cast<const QComboBox*>(w)) {
            CheckComboBox(box, cut);
        } else if (const auto* table = qobject_cast<const QTableView*>(w)) {
            CheckHeadings(table, table->horizontalHeader(), cut);
        } else if (const auto* tree = qobject_cast<const QTreeView*>(w)) {
            CheckHeadings(tree, tree->header(), cut);
        }
        if (const auto* box = qobject_cast<const QGroupBox*>(w)) {
            CheckGroupTitle(box, cut);
        }
    }
    return cut;
}

}  // namespace zor06::test
