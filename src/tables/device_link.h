// Whether the controller is in touch with its chromatograph or moisture meter (table 33), asked
// before any of the device's momentary values are read.
#pragma once

#include "tables/table_service.h"

namespace zor06::tables {

enum class Device { Chromatograph, MoistureMeter };

enum class DeviceLink {
    Unread,  // the field could not be read; the reading has said why
    Absent,
    Present,
};

DeviceLink ReadDeviceLink(TableContext& ctx, Device device);

// "Нет связи с хроматографом" or "… с влагомером", pointing at the controller's state.
void ShowNoDeviceLink(dialogue::Operator& op, Device device);

// Both of the above: true when the device is in touch.
bool DeviceLinked(TableContext& ctx, Device device);

}  // namespace zor06::tables
