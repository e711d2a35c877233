// Any bytes opened as a saved message file of one archive: refused or opened, and an opened one
// shows exactly the lines it holds, however large its header's count.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "messages/message_file.h"
#include "messages/saved_line.h"

namespace zor06::fuzz {

inline int OpenMessageFileBytes(const std::uint8_t* data, std::size_t size,
                                messages::Archive archive) {
    const auto file = messages::ParseMessageFile({data, size}, archive);
    if (!file) {
        return 0;
    }
    const std::size_t lineSize = messages::SavedLineSize(archive);
    const auto view = messages::OpenMessageView(archive, file->header, file->lines,
                                                messages::ViewMode::FromFile, 0);
    if (file->lines.size() != file->header.recordCount * lineSize ||
        view.rows.size() != file->header.recordCount || file->lines.size() + 81 > size) {
        std::abort();
    }
    return 0;
}

}  // namespace zor06::fuzz
