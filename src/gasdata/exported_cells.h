// What the workbook and the printouts take from a view's cells: the date and time columns of a
// chromatograph view (its state and status columns stay on screen), each text without the blanks
// that align it on screen.
#pragma once

#include <cstddef>
#include <string_view>

#include "gasdata/data_kind.h"
#include "text/text_format.h"

namespace zor06::gasdata {

inline std::size_t DateTimeColumns(DataKind kind) {
    return IsThreeMinute(kind) ? 2 : 3;
}

using text::TrimBlanks;

}  // namespace zor06::gasdata
