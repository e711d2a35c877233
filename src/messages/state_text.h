// A value text of the status windows and whether it marks an abnormal state (shown in red).
#pragma once

#include <string>

namespace zor06::messages {

struct StateText {
    std::string text;
    bool red = false;
    bool operator==(const StateText&) const = default;
};

}  // namespace zor06::messages
