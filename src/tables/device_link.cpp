#include "tables/device_link.h"

namespace zor06::tables {
namespace {

fields::Field LinkField(Device device) {
    return device == Device::Chromatograph ? fields::kChromatographLink : fields::kMoistureLink;
}

}  // namespace

DeviceLink ReadDeviceLink(TableContext& ctx, Device device) {
    const fields::Field field = LinkField(device);
    if (!ReadField(ctx, field)) {
        return DeviceLink::Unread;
    }
    return ctx.image.Byte(field) == 0 ? DeviceLink::Absent : DeviceLink::Present;
}

void ShowNoDeviceLink(dialogue::Operator& op, Device device) {
    op.ShowMessage(
        dialogue::MessageKind::Info,
        device == Device::Chromatograph ? "Нет связи с хроматографом" : "Нет связи с влагомером",
        "(см. текущее состояние контроллера)");
}

bool DeviceLinked(TableContext& ctx, Device device) {
    const DeviceLink link = ReadDeviceLink(ctx, device);
    if (link == DeviceLink::Absent) {
        ShowNoDeviceLink(ctx.op, device);
    }
    return link == DeviceLink::Present;
}

}  // namespace zor06::tables
