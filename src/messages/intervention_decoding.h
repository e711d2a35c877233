// Turns an operator-intervention record into the texts of its row.
#pragma once

#include <string>
#include <string_view>

#include "messages/message_records.h"
#include "messages/message_row.h"

namespace zor06::messages {

struct DecodeOptions {
    // Field 12 of table 0 in the controller image is 0: names are kept in code page 866.
    bool namesInCp866 = false;
};

// The unit text of code 0..36; "?" from 37 up.
std::string_view UnitText(int code);

// The row of a valid record; the caller marks invalid ones.
MessageRow DecodeIntervention(const InterventionRecord& record, const DecodeOptions& options);

}  // namespace zor06::messages
