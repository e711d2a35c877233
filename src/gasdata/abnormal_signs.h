// The abnormal-signs window of a chromatograph data row as text: the controller's status byte
// and, for 3-minute records, the chromatograph's own status word, one line per set bit.
#pragma once

#include <string>
#include <vector>

#include "gasdata/data_view.h"

namespace zor06::gasdata {

struct SignList {
    std::string statusLine;          // "  Статус контроллера: 0x.." and the like
    std::vector<std::string> lines;  // one per listed set bit, or "Норма"
};

inline constexpr char kNoSigns[] = "Норма";

// The controller list first; in mode 0 the chromatograph list follows unless the controller was
// off or had no link with the chromatograph, when the word means nothing.
std::vector<SignList> AbnormalSigns(const RowSigns& signs);

}  // namespace zor06::gasdata
