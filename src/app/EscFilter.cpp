#include "app/EscFilter.h"

#include <QKeyEvent>

namespace zor06::screens {

bool EscFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && op_.longOperation &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        op_.interrupt = true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zor06::screens
