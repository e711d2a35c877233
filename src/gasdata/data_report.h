// The printed reports of the data views. Chromatograph data print in chunks of rows, each chunk
// twice (display columns 1..10, then 11..20 on a page of its own), with the averages, the
// calculation standard and the signature lines under the last chunk or on pages of their own.
// Moisture data print all their columns, page after page, without a summary.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dataset/data_set_header.h"
#include "gasdata/data_view.h"
#include "report/document.h"
#include "settings/settings_types.h"

namespace zor06::gasdata {

// Rows of each chromatograph chunk: 75 in the first, 85 in every later one; an empty view
// prints one empty chunk.
std::vector<std::size_t> ChrChunkSizes(std::size_t rows);

// Whether the summary follows the last chunk's tables: it does when that chunk holds at most 58
// rows (the first chunk, under the title) or 70 (a later one).
bool ChrSummaryInline(const std::vector<std::size_t>& chunks);

// Rows on each page of a moisture printout: 52 on the first, 59 on every later one.
std::vector<std::size_t> WmtPageSizes(std::size_t rows);

// The title band's lines: organisation, controller, what was printed, period, time of reading.
std::vector<std::string> DataTitleLines(DataKind kind, const dataset::HdmHeader& header,
                                        std::string_view organisation);

report::Document ChrDataReport(const DataView& view, const dataset::HdmHeader& header,
                               std::string_view organisation, const settings::ReportConfig& config);

report::Document WmtDataReport(const DataView& view, const dataset::HdmHeader& header,
                               std::string_view organisation);

}  // namespace zor06::gasdata
