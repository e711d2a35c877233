// A chart view that zooms and pans the way plotting tools do: the mouse wheel zooms the time
// around the cursor, a rubber band with the left button zooms into its rectangle, a drag with the
// right or middle button and the arrow keys pan, "+" and "-" zoom.
#pragma once

#include <QChartView>
#include <QPoint>

namespace zor06::screens {

class TrendChartView : public QChartView {
public:
    explicit TrendChartView(QChart* chart, QWidget* parent = nullptr);

protected:
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    static bool Pans(Qt::MouseButtons buttons);

    bool panning_ = false;
    QPoint lastPan_;
};

}  // namespace zor06::screens
