#include "config/screens/device_line_rows.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>

#include "config/screens/EditorDialog.h"

namespace zor06::screens {

void AddDeviceLineRows(QFormLayout* rows, const DeviceLineBoxes& boxes, const QString& device,
                       const QString& timeoutDevice) {
    rows->addRow(BuddyLabel(QStringLiteral("Адрес ") + device, boxes.address), boxes.address);
    rows->addRow(BuddyLabel(QStringLiteral("Скорость обмена"), boxes.rate), boxes.rate);
    rows->addRow(BuddyLabel(QStringLiteral("Режим обмена MODBUS протокола"), boxes.mode),
                 boxes.mode);
    rows->addRow(BuddyLabel(QStringLiteral("Таймаут ожидания ответа  от %1, сс").arg(timeoutDevice),
                            boxes.timeout),
                 boxes.timeout);
    rows->addRow(BuddyLabel(QStringLiteral("Кол. неудачных опросов %1\nподряд, после которого "
                                           "создается\nдиагностическое сообщение")
                                .arg(device),
                            boxes.failures),
                 boxes.failures);
}

}  // namespace zor06::screens
