// The six data archives a reading or a data file can hold, and what tells them apart: request,
// record layout, step, texts, file names. One reading loop and one set of file functions serve
// them all through this description.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "dataset/data_set_header.h"

namespace zor06::gasdata {

enum class DataKind { ChrMinute, ChrHour, ChrDay, WmtMinute, WmtHour, WmtDay };

// The period unit of an archive, by the archive kind numbers of the period dialog.
enum class Step : int { Hour = 0, Day = 1, ThreeMinutes = 3 };

struct DataArchiveKind {
    DataKind kind;
    dataset::Device device;
    Step step;
    std::uint8_t functionCode;  // 14, 15, 16
    std::uint8_t requestByte;   // the first request byte, sent as the controller expects it
    std::size_t dateBytes;      // 5, 4 or 3 significant bytes of the period's dates
    std::size_t recordSize;
    std::size_t perReply;  // a full reply; fewer records end the reading
    int firstRecordField;  // table 27 field of the archive's first record
    std::string_view kindLetters;
    std::string_view title;          // first line of the reading's messages
    std::string_view extension;      // ".mch" ...
    std::string_view directory;      // under the work directory
    std::string_view wrongFileLine;  // second line of the "not such a file" message
    int printKind;                   // the print-data dialog's kind
};

const DataArchiveKind& KindOf(DataKind kind);

bool IsChromatograph(DataKind kind);
bool IsThreeMinute(DataKind kind);
bool IsDaily(DataKind kind);

}  // namespace zor06::gasdata
