#include "widgets/IntegerEntryFilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace zor06::widgets {

void IntegerEntryFilter::Install(QLineEdit* edit) {
    edit->installEventFilter(new IntegerEntryFilter(edit));
}

void IntegerEntryFilter::Install(QComboBox* combo) {
    if (combo->lineEdit() != nullptr) {
        Install(combo->lineEdit());
    }
}

bool IntegerEntryFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Keys that type nothing (arrows, Enter, Tab, Delete) keep their normal meaning.
    if (text.isEmpty() || key->key() == Qt::Key_Backspace || !text.at(0).isPrint()) {
        return false;
    }
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
            return true;
        }
    }
    return false;
}

}  // namespace zor06::widgets
