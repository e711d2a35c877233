// The device side of "Дата и время": reading the clocks the screen compares, and sending the
// correction of the controller's clock.
#pragma once

#include <cstdint>
#include <optional>

#include "config/clock_view.h"
#include "tables/table_service.h"

namespace zor06::config {

enum class ClockReading {
    Read,                  // tables 6, 2 and 42 are in the image
    Failed,                // a read failed; the table service has said why
    SystemTableDestroyed,  // said as a SeeControllerState message
    ClockTableDestroyed,   // the operator was asked whether to restore it; see `restoreAsked`
};

struct ClockReadResult {
    ClockReading reading = ClockReading::Failed;
    bool restoreAsked = false;  // the operator answered "Да" to restoring the destroyed table 2
    std::optional<ClockView> view;  // when read: the clocks as "Дата и время" shows them
};

// Table 7 (states), table 6 (system parameters), table 2 (clock) and table 42 (chromatograph
// clock), with the refusals for destroyed tables. The link's time of the last exchange is the PC
// time the clocks are compared with.
ClockReadResult ReadClocks(tables::TableContext& ctx);

// Sends the correction (function code 12). Success shows "Корректировка времени выполнена" in
// the Message panel; failure shows the link's status there and says "Корректировка времени не
// выполнена".
bool SendTimeCorrection(tables::TableContext& ctx, std::int16_t seconds);

}  // namespace zor06::config
