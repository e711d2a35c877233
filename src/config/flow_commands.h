// The device-mode commands of the flow computers: "Параметры вычислителей" (the list) and
// "С вычислителем расхода газа" (the line, and the list when the count grows).
#pragma once

#include <functional>
#include <optional>
#include <span>

#include "config/flow_computers.h"
#include "tables/table_service.h"

namespace zor06::config {

struct FlowListResult {
    int count = 1;
    FlowRecords records{};
    std::array<bool, kMaxFlowComputers> passwordChanged{};
};

// Opens the list screen on the records, their count and the run bits of table 14 field 7; none
// when cancelled.
using OpenFlowList =
    std::function<std::optional<FlowListResult>(const FlowRecords&, int count, std::uint8_t runs)>;
// Opens the line screen on table 9 of the image; true when accepted.
using OpenFlowLine = std::function<bool(std::span<std::uint8_t, kFlowLineBytes>)>;

bool EditFlowComputers(tables::TableContext& ctx, const OpenFlowList& openList);
bool EditFlowLine(tables::TableContext& ctx, const OpenFlowLine& openLine,
                  const OpenFlowList& openList);

}  // namespace zor06::config
