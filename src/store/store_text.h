// The texts the store writes and checks: timestamps and the cells of a row kept in one column.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zor06::store {

// "YYYY-MM-DD HH:MM:SS" of a real date and time.
bool IsTimestamp(std::string_view text);

// The computer's local time in that form.
std::string NowTimestamp();

// The cells joined by tabs; none when a cell holds a tab, which would split it when read back.
// No cells join to the empty text, which reads back as no cells.
std::optional<std::string> JoinCells(std::span<const std::string> cells);
std::vector<std::string> SplitCells(std::string_view joined);

}  // namespace zor06::store
