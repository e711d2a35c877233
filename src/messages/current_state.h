// The current-state window's model: its fixed lines, which of them the devices present leave
// enabled, and the value texts filled from the abnormal-situation signs and the device links.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string_view>

#include "messages/state_text.h"
#include "tables/controller_image.h"
#include "tables/table_service.h"

namespace zor06::messages {

inline constexpr std::string_view kCurrentStateCaption = "Текущее состояние контроллера";
inline constexpr std::string_view kStopRefreshText = "Не обновлять данные";
inline constexpr std::string_view kStartRefreshText = "Обновлять данные";
inline constexpr std::string_view kExitText = "Выход";
inline constexpr int kRefreshMs = 1000;

enum class StateItem {
    ChromatographErrors,
    ChromatographLink,
    MoistureErrors,
    MoistureLink,
    FlowErrors,
    FlowButton,
    SelfDiagnostics,
    TablesButton,
    Run1,
    Run2,
    ChangeTime,
};
inline constexpr std::size_t kStateItemCount = 11;

// One line of the window. A line with a heading starts a group; the heading is in one or two
// parts shown one under the other. An empty label puts the value beside the heading.
struct StateLine {
    std::array<std::string_view, 2> heading;
    std::string_view label;
    StateItem item;
    bool hasValue;  // false for the two button lines and the heading without a value
};
std::span<const StateLine> CurrentStateLines();

// The heading's parts as one line of text.
std::string HeadingText(const StateLine& line);

// Table 6 fields 8 and 9.
struct Devices {
    bool moistureMeter = false;
    bool flowComputers = false;
};
Devices DevicesPresent(const tables::ControllerImage& image);

// The moisture-meter lines need the moisture meter, the flow-computer lines the flow computers.
bool ItemEnabled(StateItem item, Devices devices);

class CurrentState {
public:
    explicit CurrentState(Devices devices) : devices_(devices) {}
    Devices Present() const { return devices_; }
    // Empty until a reading filled it.
    const std::optional<StateText>& Value(StateItem item) const {
        return values_[static_cast<std::size_t>(item)];
    }
    // From fields 0..11 of table 16 in the image.
    void FillSigns(const tables::ControllerImage& image);
    // From fields 0..1 of table 33 in the image.
    void FillLinks(const tables::ControllerImage& image);

private:
    void Set(StateItem item, StateText value) {
        values_[static_cast<std::size_t>(item)] = std::move(value);
    }
    Devices devices_;
    std::array<std::optional<StateText>, kStateItemCount> values_{};
};

// One refresh: the signs (table 16, fields 0..17), then the links (table 33, fields 0..1), each
// read silently; a failed read leaves the previous values. `goOn` runs before each read (it lets
// the user interface take pending input) and stops the refresh when it returns false. False
// when the refresh was stopped that way.
bool Refresh(tables::TableContext& ctx, CurrentState& state, const std::function<bool()>& goOn);

// The whole state at once, each read reported: the served devices (table 6), the signs and the
// links; nothing when a read failed.
std::optional<CurrentState> ReadCurrentState(tables::TableContext& ctx);

}  // namespace zor06::messages
