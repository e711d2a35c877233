#include "gasdata/screens/TrendChartView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <algorithm>

namespace zor06::screens {
namespace {

constexpr qreal kWheelZoom = 0.8;  // the share of the time one wheel step keeps in view
constexpr qreal kKeyZoom = 1.25;
constexpr qreal kKeyPan = 0.1;  // of the plot area per arrow key

}  // namespace

TrendChartView::TrendChartView(QChart* chart, QWidget* parent) : QChartView(chart, parent) {
    setRubberBand(QChartView::RectangleRubberBand);
    setRenderHint(QPainter::Antialiasing);
    setFocusPolicy(Qt::StrongFocus);
}

void TrendChartView::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y();
    if (steps == 0) {
        event->ignore();
        return;
    }
    const QRectF area = chart()->plotArea();
    const QPointF at = chart()->mapFromScene(mapToScene(event->position().toPoint()));
    const qreal x = std::clamp(at.x(), area.left(), area.right());
    const qreal keep = steps > 0 ? kWheelZoom : 1 / kWheelZoom;
    // The time under the cursor stays where it is; the values keep their scale.
    const qreal left = x - (x - area.left()) * keep;
    chart()->zoomIn(QRectF(left, area.top(), area.width() * keep, area.height()));
    event->accept();
}

bool TrendChartView::Pans(Qt::MouseButtons buttons) {
    return (buttons & (Qt::RightButton | Qt::MiddleButton)) != 0;
}

void TrendChartView::mousePressEvent(QMouseEvent* event) {
    if (Pans(event->button())) {
        panning_ = true;
        lastPan_ = event->position().toPoint();
        setCursor(Qt::ClosedHandCursor);
        event->accept();
        return;
    }
    QChartView::mousePressEvent(event);
}

void TrendChartView::mouseMoveEvent(QMouseEvent* event) {
    if (panning_) {
        const QPoint now = event->position().toPoint();
        const QPoint moved = now - lastPan_;
        lastPan_ = now;
        chart()->scroll(-moved.x(), moved.y());
        event->accept();
        return;
    }
    QChartView::mouseMoveEvent(event);
}

void TrendChartView::mouseReleaseEvent(QMouseEvent* event) {
    // The right button would zoom out by the base view's rule; here it only pans.
    if (Pans(event->button())) {
        panning_ = false;
        unsetCursor();
        event->accept();
        return;
    }
    QChartView::mouseReleaseEvent(event);
}

void TrendChartView::keyPressEvent(QKeyEvent* event) {
    const QRectF area = chart()->plotArea();
    const qreal dx = area.width() * kKeyPan;
    const qreal dy = area.height() * kKeyPan;
    switch (event->key()) {
        case Qt::Key_Left:
            chart()->scroll(-dx, 0);
            break;
        case Qt::Key_Right:
            chart()->scroll(dx, 0);
            break;
        case Qt::Key_Up:
            chart()->scroll(0, dy);
            break;
        case Qt::Key_Down:
            chart()->scroll(0, -dy);
            break;
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            chart()->zoom(kKeyZoom);
            break;
        case Qt::Key_Minus:
            chart()->zoom(1 / kKeyZoom);
            break;
        default:
            QChartView::keyPressEvent(event);
            return;
    }
    event->accept();
}

}  // namespace zor06::screens
