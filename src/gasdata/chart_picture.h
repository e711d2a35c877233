// "Сохранить как PNG" of a data view's chart: the picture is proposed beside the view's data
// files in the work directory, under the name a saved data file of the view would take.
#pragma once

#include <filesystem>

#include "files/save_as.h"
#include "gasdata/data_set.h"
#include "gasdata/records.h"

namespace zor06::gasdata {

inline constexpr char kPngExtension[] = ".png";

// `today` is the PC's date, as for the data file's name.
dialogue::FileChoice ChartPictureChoice(const DataSet& set, const std::filesystem::path& programDir,
                                        const bytes::ControllerDateTime& today);

}  // namespace zor06::gasdata
