// What a message view shows: its caption, the message line and one row of cell texts per record
// or saved line. Built once from plain data; the screens only display it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/data_set_header.h"
#include "messages/archive_kind.h"
#include "messages/intervention_decoding.h"
#include "messages/message_row.h"

namespace zor06::messages {

enum class ViewMode : std::uint8_t {
    ByIndex = 0,   // records read by index, from `startIndex`
    ByPeriod = 1,  // records read by period
    FromFile = 2,  // saved lines of a file
};

struct MessageView {
    Archive archive = Archive::Interventions;
    std::string caption;
    std::string messageLine;  // set by the first record whose checksum does not match
    std::vector<MessageRow> rows;
};

inline constexpr const char* kInvalidRecordLine =
    "  ***  Данные в записи недостоверны (не совпадает КС)";

// `data` holds records of the archive's record size (modes 0 and 1) or saved lines (mode 2);
// a partial one at the end is left out.
MessageView OpenMessageView(Archive archive, const dataset::HdmHeader& header,
                            std::span<const std::uint8_t> data, ViewMode mode,
                            std::uint32_t startIndex, const DecodeOptions& options = {});

std::string ViewCaption(Archive archive, const dataset::HdmHeader& header, ViewMode mode,
                        std::uint32_t startIndex);

// The headings of the view's seven columns, in the order of its cells; a heading's lines are
// parted by '\n'.
const std::array<std::string_view, kCellCount>& ColumnHeadings(Archive archive);

}  // namespace zor06::messages
