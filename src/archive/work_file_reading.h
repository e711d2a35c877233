// An archive reading whose records go to a work file as they come, so that a long reading holds
// no more than one reply in memory, and come back from it once the reading ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "archive/reading_loop.h"

namespace zor06::archive {

struct WorkFileReading {
    LoopResult loop;
    // The records read back; nothing when the file does not hold what was written (or none was).
    std::optional<std::vector<std::uint8_t>> records;
};

// The series behind the reading wait window, its records into the work file at `path` (made anew)
// and the bar full at the end. Nothing after the operator was told the file failed, or when the
// series abandoned its records.
std::optional<WorkFileReading> ReadIntoWorkFile(tables::TableContext& ctx, Series& series,
                                                const std::filesystem::path& path,
                                                int progressMaximum);

}  // namespace zor06::archive
