// The rows the chromatograph and the moisture-meter link screens share: the device's address, the
// exchange's rate and MODBUS mode, the answer timeout and the failures before a diagnostic message.
#pragma once

#include <QString>

class QComboBox;
class QFormLayout;

namespace zor06::screens {

struct DeviceLineBoxes {
    QComboBox* address = nullptr;
    QComboBox* rate = nullptr;
    QComboBox* mode = nullptr;
    QComboBox* timeout = nullptr;
    QComboBox* failures = nullptr;
};

// `device` names the device in the genitive; `timeoutDevice` is the word of the timeout's label.
void AddDeviceLineRows(QFormLayout* rows, const DeviceLineBoxes& boxes, const QString& device,
                       const QString& timeoutDevice);

}  // namespace zor06::screens
