// Finding the address and baud rate of a controller on a direct line by trying every rate.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "dialogue/operator.h"
#include "link/link_kind.h"

namespace zor06::link {

class hgcbox;

struct SearchParameters {
    std::string device;  // the serial device to search on
    int firstByteTimeoutMs = 1000;
    int interByteTimeoutMs = 300;
    int preambles = 5;
    int attempts = 1;
    int portWaitS = 1;
    LinkKind linkKind = LinkKind::Direct;
};

struct SearchResult {
    int address = 0;
    int baud = 0;
};

struct SearchHooks {
    // Shows the rate about to be tried.
    std::function<void(int baud)> onRate;
    // Whether the operator has asked to stop ("Прервать поиск" also sets the abort flag).
    std::function<bool()> stopRequested;
};

// Tries the rates from 300 up with a read of table 0, field 0 to address 255; the first answer
// gives the address and rate. Reports the result as an ExchangeResult message (an Info one for a
// busy port).
std::optional<SearchResult> SearchDevice(hgcbox& link, const SearchParameters& params,
                                         dialogue::Operator& op, const SearchHooks& hooks = {});

}  // namespace zor06::link
