#include "files/open_chosen.h"

#include "platform/file_io.h"

namespace zor06::files {

std::optional<std::string> ReadChosenFile(const std::filesystem::path& path, dialogue::Operator& op,
                                          bool withReason) {
    std::string bytes;
    std::string reason;
    if (platform::ReadWholeFile(path, &bytes, &reason) != platform::ReadStatus::Read) {
        op.ShowMessage(dialogue::MessageKind::Error, kOpenFailed,
                       withReason ? reason : std::string());
        return std::nullopt;
    }
    return bytes;
}

}  // namespace zor06::files
