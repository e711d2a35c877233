// What the connection screens' tests look at: the messages the operator was shown, the Tab
// chain a person walks, and whether every control is named.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <string>
#include <vector>

#include "tests/support/recording_operator.h"

namespace zor06::test {

inline constexpr char kIncomplete[] = "Введены не все параметры|";

// "text1|text2" of the last message of `kind`, or "" when the last message has another kind or
// there was none.
inline std::string LastMessage(const RecordingOperator& op, dialogue::MessageKind kind) {
    if (op.messages.empty() || op.messages.back().kind != kind) {
        return {};
    }
    return op.messages.back().text1 + "|" + op.messages.back().text2;
}

// The control that has the focus; the edit of an editable combo box counts as the box.
inline QWidget* FocusedControl() {
    QWidget* focused = QApplication::focusWidget();
    if (focused != nullptr && qobject_cast<QComboBox*>(focused->parentWidget()) != nullptr) {
        return focused->parentWidget();
    }
    return focused;
}

// Presses Tab `count` times where the focus is and lists where it went.
inline std::vector<QWidget*> TabWalk(int count) {
    std::vector<QWidget*> visited;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(FocusedControl());
    }
    return visited;
}

// Fields that no label names and that carry no accessible name, and buttons without a caption
// or a name, as class names; empty when everything is named.
inline QStringList UnnamedControls(const QWidget& screen) {
    QSet<const QWidget*> named;
    for (const QLabel* label : screen.findChildren<QLabel*>()) {
        if (label->buddy() != nullptr) {
            named.insert(label->buddy());
        }
    }
    QStringList unnamed;
    for (const QWidget* w : screen.findChildren<QWidget*>()) {
        const bool inCombo = qobject_cast<const QComboBox*>(w->parentWidget()) != nullptr;
        const bool field =
            qobject_cast<const QComboBox*>(w) || (qobject_cast<const QLineEdit*>(w) && !inCombo);
        const auto* button = qobject_cast<const QAbstractButton*>(w);
        if ((field && !named.contains(w) && w->accessibleName().isEmpty()) ||
            (button != nullptr && button->text().isEmpty() && w->accessibleName().isEmpty())) {
            unnamed << QString::fromLatin1(w->metaObject()->className());
        }
    }
    return unnamed;
}

}  // namespace zor06::test
