// The reading behind the current-state window's table-state button.
#pragma once

#include <optional>

#include "config/table_state.h"
#include "tables/table_service.h"

namespace zor06::messages {

// Reads table 7 with progress and the question and builds the table-state array from it.
std::optional<config::TableStates> ReadTableStates(tables::TableContext& ctx);

}  // namespace zor06::messages
