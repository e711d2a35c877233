// A data view as a spreadsheet workbook: the caption over the grey heading rows, then one row per
// grid row, values as numbers shown with the view's decimals so that they can be computed with.
// The columns of the ISO 6976 check follow the values when the view has them, marked cells filled.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>

#include "gasdata/data_view.h"

namespace zor06::gasdata {

// Called with the steps done so far out of rows + 5, as the wait window counts them.
using WorkbookProgress = std::function<void(std::size_t done, std::size_t total)>;

// Writes the workbook atomically; on failure no file is left and `error` says why.
bool WriteDataWorkbook(const DataView& view, const std::filesystem::path& path, std::string* error,
                       const WorkbookProgress& progress = {});

// The number format that shows a value with `decimals` places ("0", "0.0000"), and a trailing
// double quote when the view marks the value with one.
std::string NumberFormat(int decimals, bool quoted);

}  // namespace zor06::gasdata
