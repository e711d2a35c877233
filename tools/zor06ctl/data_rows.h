// A data view on the terminal: one line per row, the cells trimmed of blanks and joined by tabs
// (the left columns, status columns included, then the values in display order), then for
// chromatograph data "Средние значения" and the averages in display order. --json: one object
// {caption, columns, rows, averages}.
#pragma once

#include <string>

#include "gasdata/data_view.h"

namespace zor06::ctl {

std::string DataRowsText(const gasdata::DataView& view, bool json);

}  // namespace zor06::ctl
