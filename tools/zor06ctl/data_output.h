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

// The files --save, --xlsx and --pdf name for a data set of `kind`, with the extensions that a name
// without one gets; empty where not asked for.
struct DataOutputs {
    std::filesystem::path save;
    std::filesystem::path xlsx;
    std::filesystem::path pdf;
};
DataOutputs DataOutputsOf(const CommandLine& cl, gasdata::DataKind kind);
// MayWriteFiles over those files, for the command to ask before it reads.
bool MayWriteDataOutputs(const CommandLine& cl, gasdata::DataKind kind);

// repconf_par.ini in INI of the work directory (defaults when missing); none after saying why it
// could not be read.
std::optional<DataSettings> LoadDataSettings(Session& s);

// Why --iso-check cannot be given for data of `kind`; empty when it can, or was not given.
std::string IsoCheckRefusal(const CommandLine& cl, gasdata::DataKind kind);

// Prints the view of `set` (with the ISO 6976 check for --iso-check) and writes --save (readings
// only), --xlsx and --pdf; the exit status.
int PutDataSet(Session& s, const gasdata::DataSet& set, const DataSettings& settings);

}  // namespace zor06::ctl
