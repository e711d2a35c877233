// The exit status of a reading command once it has printed and saved what it read: a script
// tells a reading cut short from a complete one.
#pragma once

#include "messages/reading_end.h"
#include "zor06ctl/cli_options.h"

namespace zor06::ctl {

inline int ReadingExit(int written, messages::ReadingEnd end) {
    if (written != kExitOk) {
        return written;
    }
    return messages::CutShort(end) ? kExitCutShort : kExitOk;
}

}  // namespace zor06::ctl
