#include "app/EscFilter.h"

#include <QKeyEvent>

namespace zor06::screens {

bool EscFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        op_.RequestInterrupt();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zor06::screens
