// A reading's work file lies in a folder of its own under $TMPDIR (platform::TemporaryFolder):
// runs side by side never share one, and no other user can make it beforehand or look into it.
#pragma once

#include "platform/temporary_files.h"
#include "zor06ctl/commands.h"

namespace zor06::ctl {

// True when `folder` was made; otherwise says why, and the reading cannot start.
inline bool WorkFolderMade(Session& s, const platform::TemporaryFolder& folder) {
    if (folder.Path().empty()) {
        s.op.ShowMessage(dialogue::MessageKind::Error,
                         "Не удалось создать папку для рабочего файла", folder.Failure());
        return false;
    }
    return true;
}

}  // namespace zor06::ctl
