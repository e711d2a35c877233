// The clock synchronisation switches: table 6 bytes 10 and 11 and table 14 fields 8 and 9.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "config/editor.h"
#include "tables/table_service.h"

namespace zor06::config {

// In this order: the controller from the flow computer, the controller from the PC, the
// chromatograph with the flow computer's setting, the chromatograph with the PC's setting.
using SyncSwitches = std::array<std::uint8_t, 4>;

// The check boxes of the screen. A chromatograph box can be ticked only while the controller box
// above it is; unticking that box clears the chromatograph box, ticking it again brings back the
// chromatograph's stored value.
class SyncBoxes {
public:
    explicit SyncBoxes(const SyncSwitches& stored);
    bool Checked(int box) const { return checked_[static_cast<std::size_t>(box)]; }
    bool Enabled(int box) const;
    void SetChecked(int box, bool on);
    // 1 ticked, 0 not.
    SyncSwitches Values() const;

private:
    std::array<bool, 4> checked_{};
    std::array<bool, 2> remembered_{};  // the chromatograph boxes' values while disabled
};

SyncSwitches ReadSyncSwitches(const tables::ControllerImage& image);

// Reads both pairs of switches from the controller; nothing when a read failed.
std::optional<SyncSwitches> ReadSyncSwitches(tables::TableContext& ctx);

// Writes table 6 fields 10..11 and then table 14 fields 8..9, each only when it changed in the
// image; a failed first write stops the second.
bool WriteSyncSwitches(tables::TableContext& ctx, const SyncSwitches& switches);

}  // namespace zor06::config
