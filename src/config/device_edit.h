// The device-mode command shared by the table editors: read the tables, keep an old copy, open
// the editor on the image, write back only what changed.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "tables/table_service.h"

namespace zor06::config {

struct DeviceEdit {
    std::vector<tables::TableHeader> reads;  // made in order before the editor opens
    tables::TableHeader edited;              // the bytes the editor gets and the write compares
    bool names = false;  // table 5 texts, kept in code page 866 by some controllers
};

// Opens the editor on the edited bytes; true when the operator accepted.
using OpenEditor = std::function<bool(std::span<std::uint8_t> target)>;

enum class DeviceEditResult {
    ReadFailed,  // the table service has said why
    Cancelled,
    WriteFailed,
    Written,  // also when nothing had changed and nothing was sent
};

DeviceEditResult RunDeviceEdit(tables::TableContext& ctx, const DeviceEdit& edit,
                               const OpenEditor& open);

}  // namespace zor06::config
