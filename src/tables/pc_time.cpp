#include "tables/pc_time.h"

#include <algorithm>

#include "tables/controller_date.h"

namespace zor06::tables {

bool WritePcTime(TableContext& ctx) {
    const auto rules = ctx.image.Fields(6, 0, 6);
    const auto clock =
        ClockFields(ctx.clock.LocalDateTime(), std::span<const std::uint8_t, 6>(rules.data(), 6));
    std::ranges::copy(clock, ctx.image.Fields(2, 0, 8).begin());
    return WriteFields(ctx, {2, 0, 8});
}

}  // namespace zor06::tables
