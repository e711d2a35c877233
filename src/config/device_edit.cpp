#include "config/device_edit.h"

#include "text/codepage.h"

namespace zor06::config {
namespace {

std::span<std::uint8_t> Bytes(tables::ControllerImage& image, tables::TableHeader h) {
    return image.Fields(h.table, h.first, h.count);
}

}  // namespace

DeviceEditResult RunDeviceEdit(tables::TableContext& ctx, const DeviceEdit& edit,
                               const OpenEditor& open) {
    std::vector<std::uint8_t> oldCopy;
    {
        dialogue::BusyScope busy(ctx.op);
        for (const tables::TableHeader& h : edit.reads) {
            if (!tables::ReadFields(ctx, h)) {
                return DeviceEditResult::ReadFailed;
            }
        }
        const auto bytes = Bytes(ctx.image, edit.edited);
        // The comparison is made in the controller's own code page.
        oldCopy.assign(bytes.begin(), bytes.end());
    }
    const bool cp866 = edit.names && tables::NamesInCp866(ctx.image);
    const auto target = Bytes(ctx.image, edit.edited);
    if (cp866) {
        text::ToCp1251(target);
    }
    // The image keeps the names in Windows-1251 for the rest of the program.
    if (!open(target)) {
        return DeviceEditResult::Cancelled;
    }
    dialogue::BusyScope busy(ctx.op);
    if (cp866) {
        text::ToCp866(target);
    }
    const bool written = tables::WriteChangedFields(ctx, edit.edited, oldCopy);
    if (cp866) {
        text::ToCp1251(target);
    }
    return written ? DeviceEditResult::Written : DeviceEditResult::WriteFailed;
}

}  // namespace zor06::config
