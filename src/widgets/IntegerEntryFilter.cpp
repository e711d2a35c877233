#include "widgets/IntegerEntryFilter.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace zor06::widgets {

void IntegerEntryFilter::Install(QLineEdit* edit) {
    edit->installEventFilter(new IntegerEntryFilter(edit));
    // Pasted or dropped text does not pass through the key filter.
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

void IntegerEntryFilter::Install(QComboBox* combo) {
    if (combo->lineEdit() == nullptr) {
        return;
    }
    Install(combo->lineEdit());
    // An editable combo box hands typed keys straight to its edit's event handler, past the
    // edit's event filters: the box needs the filter of its own.
    combo->installEventFilter(new IntegerEntryFilter(combo));
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
