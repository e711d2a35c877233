// The exit status of a reading command once it has printed and saved what it read: a script
// tells a reading cut short from a complete one.
#pragma once

#include "archive/reading_end.h"
#include "zor06ctl/cli_options.h"

namespace zor06::ctl {

inline int ReadingExit(int written, archive::ReadingEnd end) {
    if (written != kExitOk) {
        return written;
    }
    return archive::CutShort(end) ? kExitCutShort : kExitOk;
}

}  // namespace zor06::ctl
