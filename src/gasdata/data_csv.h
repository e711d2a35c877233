// A data view as CSV for the tools that compute with it: a row of the column headings, then one
// record per view row. The left cells (status columns included) are the texts shown, trimmed;
// a value is the number with a point and the column's decimals, or the marker shown in its
// place ("---", "Выкл.", "Калибр."). The hourly values that the view marks with a double quote
// go out as plain numbers: the status column beside them says why they are marked. The
// averages row of the printouts is left out, so that every record below the headings is a row.
// The columns of the ISO 6976 check follow the values when the view has them.
#pragma once

#include <filesystem>
#include <string>

#include "dialogue/operator.h"
#include "files/save_as.h"
#include "gasdata/data_set.h"
#include "gasdata/data_view.h"
#include "gasdata/heading_text.h"

namespace zor06::gasdata {

std::string DataViewCsv(const DataView& view);

// "Сохранить в CSV": proposes the data file's default name with ".csv" in the kind's directory
// under `programDir`.
bool SaveDataCsv(const DataView& view, const DataSet& set, const std::filesystem::path& programDir,
                 const bytes::ControllerDateTime& today, dialogue::Operator& op);

}  // namespace zor06::gasdata
