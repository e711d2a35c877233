// The open and save dialogs of the program's files.
#pragma once

#include <filesystem>
#include <optional>

#include "config/config_save.h"

namespace zor06::screens {
class TFormMain;
}

namespace zor06::app {

// The chosen file; none when cancelled. The save dialog does not ask about replacing a file: the
// callers ask, with their own texts, and only for names other than the proposed one.
std::optional<std::filesystem::path> ChooseFileInDialog(screens::TFormMain& window,
                                                        const dialogue::FileChoice& choice,
                                                        bool save);

}  // namespace zor06::app
