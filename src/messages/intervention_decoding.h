// Turns an operator-intervention record into the texts of its row.
#pragma once

#include <string>
#include <string_view>

#include "messages/message_records.h"
#include "messages/message_row.h"
#include "tables/controller_image.h"

namespace zor06::messages {

struct DecodeOptions {
    // Names in the records follow the controller's code page for its display texts.
    bool namesInCp866 = false;
};

inline DecodeOptions DecodeOptionsOf(const tables::ControllerImage& image) {
    return DecodeOptions{tables::NamesInCp866(image)};
}

// The unit text of code 0..36; "?" from 37 up.
std::string_view UnitText(int code);

// The row of a valid record; the caller marks invalid ones.
MessageRow DecodeIntervention(const InterventionRecord& record, const DecodeOptions& options);

}  // namespace zor06::messages
