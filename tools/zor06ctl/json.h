// Small JSON output helpers for the --json forms of the commands.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace zor06::ctl {

// A JSON string literal of UTF-8 text.
std::string JsonString(const std::string& text);

// {"k": "v", ...} of text values, in the given order.
std::string JsonObject(const std::vector<std::pair<std::string, std::string>>& fields);

}  // namespace zor06::ctl
