// What the data commands do with a data set once they have it: the view's rows on stdout, and
// the saved data file, workbook and printed report the options ask for.
#pragma once

#include <filesystem>
#include <optional>

#include "gasdata/data_set.h"
#include "settings/settings_types.h"
#include "zor06ctl/commands.h"

namespace zor06::ctl {

// The work directory's settings the data views and printouts follow.
struct DataSettings {
    std::filesystem::path workDir;
    settings::ReportConfig report;
};

// repconf_par.ini in INI of the work directory (defaults when missing); none after saying why it
// could not be read.
std::optional<DataSettings> LoadDataSettings(Session& s);

// Prints the view of `set` and writes --save (readings only), --xlsx and --pdf; the exit status.
int PutDataSet(Session& s, const gasdata::DataSet& set, const DataSettings& settings);

}  // namespace zor06::ctl
