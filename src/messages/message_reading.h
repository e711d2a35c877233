// Reading a range of a message archive, by index or by period, into the archive's work file, and
// handing the records with their data-set header to whoever shows them.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

#include "archive/reading_end.h"
#include "dataset/data_set_header.h"
#include "messages/archive_kind.h"
#include "messages/message_view.h"
#include "tables/table_service.h"

namespace zor06::messages {

// What a finished reading hands to the archive's view.
struct MessageSet {
    Archive archive = Archive::Diagnostics;
    dataset::HdmHeader header;
    std::vector<std::uint8_t> records;  // header.recordCount records of the archive's size
    ViewMode mode = ViewMode::ByIndex;
    std::uint32_t startIndex = 0;
};

using ShowMessageSet = std::function<void(const MessageSet&)>;

struct ReadingContext {
    tables::TableContext& tables;
    std::filesystem::path workDirectory;  // where the archive's work file is created anew
    ShowMessageSet view;                  // called once when at least one record was read
};

// `count` records from global index `start`, in batches of the archive's size.
archive::ReadingEnd ReadMessagesByIndex(ReadingContext& ctx, Archive archive, std::uint32_t start,
                                        std::uint32_t count);
// Every record of the period from `start` to `end` (6-byte dates), in the controller's series. A
// reading cut short has the date of the last record read as the header's end.
archive::ReadingEnd ReadMessagesByPeriod(ReadingContext& ctx, Archive archive,
                                         const bytes::ControllerDateTime& start,
                                         const bytes::ControllerDateTime& end);

// The sequence byte of a period request after `previous`: 1..255, then 1 again.
std::uint8_t NextSequence(std::uint8_t previous);
// Whole hours from `from` to `to`, minutes and seconds not counted.
int HoursBetween(const bytes::ControllerDateTime& from, const bytes::ControllerDateTime& to);

}  // namespace zor06::messages
