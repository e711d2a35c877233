// What every archive reading shares, messages and data alike: the wait window's lifetime and
// progress bar, the chromatograph serial number of the header, the work file read back.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "tables/table_service.h"

namespace zor06::archive {

// An archive reading's loop: a long operation behind the reading wait window ("Esc - прервать
// чтение"); the message panel is cleared when the loop ends.
class ReadingScope {
public:
    explicit ReadingScope(dialogue::Operator& op)
        : op_(op), running_(op, dialogue::WaitMode::Reading) {}
    ~ReadingScope() { op_.SetStatusText(dialogue::Panel::Message, ""); }
    ReadingScope(const ReadingScope&) = delete;
    ReadingScope& operator=(const ReadingScope&) = delete;

private:
    dialogue::Operator& op_;
    dialogue::LongOperation running_;
};

// The wait window's bar never gets an empty range nor a position outside it.
void ShowProgress(dialogue::Operator& op, int position, int maximum);

// The chromatograph's serial number (table 41 field 0) as the image holds it.
std::uint32_t SerialNumber(const tables::ControllerImage& image);
// Reads it when the image has none yet and returns it; 0 when that read fails.
std::uint32_t EnsureSerialNumber(tables::TableContext& ctx);

// The work file's records, exactly `count` of them, or nothing when the file is not what was
// written.
std::optional<std::vector<std::uint8_t>> LoadRecords(const std::filesystem::path& path,
                                                     std::size_t count, std::size_t size);

}  // namespace zor06::archive
