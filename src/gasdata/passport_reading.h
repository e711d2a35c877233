// The passport commands: the archive bounds, the report parameters, the records of the gas day or
// the month read straight from the controller, and the workbook built from them under REPORT.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "gasdata/archive_bounds.h"
#include "gasdata/passport.h"

namespace zor06::gasdata {

// The report parameters screen: the chosen date (year - 2000, month, day) and the current object's
// name, or nothing when the operator cancels.
struct PassportChoice {
    std::array<std::uint8_t, 3> date{};
    std::string objectName;
};
using ChoosePassport =
    std::function<std::optional<PassportChoice>(PassportMode, const ArchiveBounds&)>;

struct PassportContext {
    tables::TableContext& tables;
    std::filesystem::path workDirectory;  // holds the templates and REPORT
    ChoosePassport choose;
    // Runs the build inside the report builder's wait window; directly when empty.
    std::function<void(const std::function<void()>&)> inBuilderWindow;
    // Where the workbook goes instead of REPORT (asked about only when it is REPORT).
    std::optional<std::filesystem::path> outPath;
    // Where a template missing from the work directory is copied from (TemplateSources()).
    std::vector<std::filesystem::path> templateSources;
};

// The parameters screen's check on "Принять": nothing when the choice stands, else the two lines
// of the input-error message. The date is compared to the day (daily) or the month (monthly).
std::optional<std::pair<std::string, std::string>> PassportChoiceError(
    PassportMode mode, const std::array<std::uint8_t, 3>& date, bool objectChosen,
    const ArchiveBounds& bounds);

// Where the workbook of `choice` for run 0 or 1 goes: the context's outPath, else REPORT of the
// work directory under the object's name, the run's name as table 5 of the image holds it, and the
// date.
std::filesystem::path PassportPath(const PassportContext& ctx, PassportMode mode, int run,
                                   const PassportChoice& choice);

// The whole command for chromatograph run 0 or 1: the template copied in when missing, the run's
// name read from table 5, the records, the workbook. The workbook written, or nothing after the
// operator was told why (or pressed Esc, or declined to replace a report).
std::optional<std::filesystem::path> MakePassport(PassportContext& ctx, PassportMode mode, int run);

// The records of a passport read from the controller for the date chosen (year - 2000, month,
// day); the contract hour comes from the image. Nothing after the operator was told why.
std::optional<PassportData> ReadPassportData(tables::TableContext& ctx, PassportMode mode, int run,
                                             const std::array<std::uint8_t, 3>& date,
                                             const ArchiveBounds& bounds);

}  // namespace zor06::gasdata
