#include "config/sync_editor.h"

#include "tables/table_numbers.h"

namespace zor06::config {

SyncBoxes::SyncBoxes(const SyncSwitches& stored) {
    for (std::size_t i = 0; i < stored.size(); ++i) {
        checked_[i] = stored[i] != 0;
    }
    remembered_ = {checked_[2], checked_[3]};
    for (std::size_t i = 0; i < 2; ++i) {
        if (!checked_[i]) {
            checked_[i + 2] = false;
        }
    }
}

bool SyncBoxes::Enabled(int box) const {
    return box < 2 || checked_[static_cast<std::size_t>(box - 2)];
}

void SyncBoxes::SetChecked(int box, bool on) {
    const auto i = static_cast<std::size_t>(box);
    if (!Enabled(box)) {
        return;
    }
    checked_[i] = on;
    if (i >= 2) {
        remembered_[i - 2] = on;
        return;
    }
    checked_[i + 2] = on && remembered_[i];
}

SyncSwitches SyncBoxes::Values() const {
    SyncSwitches values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = checked_[i] ? 1 : 0;
    }
    return values;
}

SyncSwitches ReadSyncSwitches(const tables::ControllerImage& image) {
    return {image.Byte(tables::kSystemTable, 10), image.Byte(tables::kSystemTable, 11),
            image.Byte(tables::kChromatographLinkTable, 8),
            image.Byte(tables::kChromatographLinkTable, 9)};
}

std::optional<SyncSwitches> ReadSyncSwitches(tables::TableContext& ctx) {
    dialogue::BusyScope busy(ctx.op);
    if (!tables::ReadFields(ctx, {tables::kSystemTable, 10, 2}) ||
        !tables::ReadFields(ctx, {tables::kChromatographLinkTable, 8, 2})) {
        return std::nullopt;
    }
    return ReadSyncSwitches(ctx.image);
}

bool WriteSyncSwitches(tables::TableContext& ctx, const SyncSwitches& s) {
    dialogue::BusyScope busy(ctx.op);
    tables::ControllerImage& image = ctx.image;
    if (image.Byte(tables::kSystemTable, 10) != s[0] ||
        image.Byte(tables::kSystemTable, 11) != s[1]) {
        image.SetByte(tables::kSystemTable, 10, s[0]);
        image.SetByte(tables::kSystemTable, 11, s[1]);
        if (!tables::WriteFields(ctx, {tables::kSystemTable, 10, 2})) {
            return false;
        }
    }
    if (image.Byte(tables::kChromatographLinkTable, 8) != s[2] ||
        image.Byte(tables::kChromatographLinkTable, 9) != s[3]) {
        image.SetByte(tables::kChromatographLinkTable, 8, s[2]);
        image.SetByte(tables::kChromatographLinkTable, 9, s[3]);
        return tables::WriteFields(ctx, {tables::kChromatographLinkTable, 8, 2});
    }
    return true;
}

}  // namespace zor06::config
