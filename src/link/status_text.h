// The text the operator reads for a request's status. An error reply or a refusal takes its text
// from the reply frame, so the text of any exchange can be told again later from its bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zor06::link {

// `reply` is the reply frame as received (or what had come of it); `functionCode` the request's.
// Status 6 names the port and is no exchange's: its text stays with the link object.
std::string ExchangeStatusText(int status, std::span<const std::uint8_t> reply,
                               std::uint8_t functionCode);

}  // namespace zor06::link
