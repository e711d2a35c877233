// Turns a diagnostic record into the texts of its row.
#pragma once

#include <string>
#include <string_view>

#include "messages/message_records.h"
#include "messages/message_row.h"

namespace zor06::messages {

// The event text of code 0..80; "Код диагностики = %d" from 81 up.
std::string EventText(int code);

// A current value or setpoint: "NAN" for a value that is not a number, "0" for zero, otherwise
// fewer decimals the larger the magnitude.
std::string DiagnosticValueText(float value);

// The row of a valid record; the caller marks invalid ones.
MessageRow DecodeDiagnostic(const DiagnosticRecord& record);

}  // namespace zor06::messages
