// The data views rendered to PNG files for the documentation, on data read from the controller.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

using SaveScreen = std::function<void(QWidget& widget, const QString& name)>;

// An hourly, a 3-minute and a moisture-meter view of the last records, the abnormal signs of a
// 3-minute record and the moisture meter's momentary window.
void CaptureDataScreens(screens::TFormMain& window, const SaveScreen& save);

}  // namespace zor06::app
