// A data view on the terminal: one line per row, the cells trimmed of blanks and joined by tabs
// (the left columns, status columns included, then the values in display order), then for
// chromatograph data "Средние значения" and the averages in display order. --json: one object
// {caption, columns, rows, averages}. CSV: the headings and the rows, values as numbers. A view
// with the ISO 6976 check has its columns after the values in every form; the lines end with the
// check's summary line, the object has "iso_check": {limit, marked_rows, marked_cells}.
#pragma once

#include <string>

#include "gasdata/data_view.h"
#include "zor06ctl/cli_options.h"

namespace zor06::ctl {

std::string DataRowsText(const gasdata::DataView& view, RowFormat format);

}  // namespace zor06::ctl
