// What the workbook and the printouts take from a view's cells: the date and time columns of a
// chromatograph view (its state and status columns stay on screen), each text without the blanks
// that align it on screen.
#pragma once

#include <cstddef>
#include <string_view>

#include "gasdata/data_kind.h"

namespace zor06::gasdata {

inline std::size_t DateTimeColumns(DataKind kind) {
    return IsThreeMinute(kind) ? 2 : 3;
}

inline std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace zor06::gasdata
