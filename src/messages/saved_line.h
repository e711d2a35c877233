// A view row as a saved file keeps it: every cell a zero-terminated Windows-1251 text in a
// zero-filled field of its own width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "messages/archive_kind.h"
#include "messages/message_row.h"

namespace zor06::messages {

inline constexpr std::size_t kInterventionLineSize = 205;
inline constexpr std::size_t kDiagnosticLineSize = 300;

std::size_t SavedLineSize(Archive archive);

// A text longer than its field is cut so that its terminator still fits.
std::string EncodeSavedLine(Archive archive, const MessageRow& row);
// `line` holds SavedLineSize(archive) bytes; a field without terminator ends at its width.
MessageRow DecodeSavedLine(Archive archive, std::span<const std::uint8_t> line);

}  // namespace zor06::messages
