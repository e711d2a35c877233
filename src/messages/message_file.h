// Saved message files (.aud, .ala): the data-set header followed by one saved line per row.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "dataset/data_set_header.h"
#include "dialogue/operator.h"
#include "files/save_as.h"
#include "messages/archive_kind.h"
#include "messages/message_view.h"

namespace zor06::messages {

// A data set opened from a file: its header, whose count is that of the lines present, and the
// saved lines.
struct MessageFile {
    dataset::HdmHeader header;
    std::vector<std::uint8_t> lines;
};

// ".aud" or ".ala".
std::string_view FileExtension(Archive archive);
// "AUDFILES" or "ALAFILES", under the program directory.
std::string_view FileDirectory(Archive archive);

// "zor_06_%03d_%02d%02d%02d" with the controller address and the date, and the extension.
std::string DefaultFileName(Archive archive, int address, const bytes::ControllerDateTime& today);

// The file's bytes: the header with the archive's kind letters and the count of `rows`, then
// their lines.
std::string EncodeMessageFile(Archive archive, dataset::HdmHeader header,
                              const std::vector<MessageRow>& rows);

// None when the bytes are not a data set of `archive`. Reads lines until the header's count or
// the end of the bytes, whichever comes first.
std::optional<MessageFile> ParseMessageFile(std::span<const std::uint8_t> bytes, Archive archive);

// Opens a saved file for viewing; none after the message that says why.
std::optional<MessageFile> ReadMessageFile(const std::filesystem::path& path, Archive archive,
                                           dialogue::Operator& op);

// "Сохранить в файле": asks for the file in `dir` proposing the default name, writes it and
// reports. False when cancelled or the write failed (already shown).
bool SaveMessageView(const MessageView& view, const dataset::HdmHeader& header,
                     const std::filesystem::path& dir, const bytes::ControllerDateTime& today,
                     dialogue::Operator& op);

// The open dialog of saved files of `archive` in `dir`.
dialogue::FileChoice OpenMessageChoice(Archive archive, const std::filesystem::path& dir);

// "Просмотр/Печать из файла": asks for a saved file in the archive's directory under
// `programDir` and opens it for the view's mode 2. None when cancelled or after the message.
std::optional<MessageFile> ChooseMessageFile(Archive archive,
                                             const std::filesystem::path& programDir,
                                             dialogue::Operator& op);

}  // namespace zor06::messages
