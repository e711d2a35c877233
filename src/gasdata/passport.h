// The daily and monthly gas-quality passports: the records of one chromatograph run and of the
// moisture meter turned into the cells of a template workbook, and the workbook saved under REPORT.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "gasdata/records.h"
#include "report/template_fill.h"

namespace zor06::gasdata {

enum class PassportMode { Day = 0, Month = 1 };

inline constexpr char kDayTemplate[] = "day_report_title_v5.xlsx";
inline constexpr char kMonthTemplate[] = "mon_report_title_v5.xlsx";

// What the report builder is handed.
struct PassportData {
    PassportMode mode = PassportMode::Day;
    int run = 0;                         // 0 or 1
    std::array<std::uint8_t, 4> date{};  // year - 2000, month, day, contract hour
    std::uint32_t serialNumber = 0;      // the chromatograph's
    std::string runName;                 // UTF-8, as held in the controller image
    std::string objectName;              // the current object of the objects list
    std::vector<ChrHdRecord> chr;        // hourly (day) or daily (month) records, in archive order
    std::vector<WmtHdRecord> wmt;        // as many, dated as the chromatograph ones
    ChrHdRecord chrSummary;              // day: the daily record; month: the averages in its values
    WmtHdRecord wmtSummary;              // day: the daily record; month: the averages
};

const char* TemplateName(PassportMode mode);

// Whether a chromatograph row carries values: an intact record, neither bit 1 nor bit 5 of the
// status, and a methane value that is a number of at least 0.001.
bool ChrRowUsable(const ChrHdRecord& record);
// Whether a moisture row carries values: an intact record, neither bit 1 nor bit 2 of the status.
bool WmtRowUsable(const WmtHdRecord& record);

// The month's averages over the usable rows, accumulated in double precision; zeros without any.
ChrValues MonthChrAverages(const std::vector<ChrHdRecord>& records);
std::array<float, kWmtValues> MonthWmtAverages(const std::vector<WmtHdRecord>& records);

// Every cell the passport sets in its template.
std::vector<report::TemplateCell> PassportCells(const PassportData& data);

// "<object>_<run>_day_YYMMDD.xlsx" or "<object>_<run>_mon_YYMM.xlsx", the names made fit for a
// file name.
std::string PassportFileName(const PassportData& data);

// Fills the mode's template from `templateDir` into `outPath`; false with `reason` on failure.
bool WritePassport(const PassportData& data, const std::filesystem::path& templateDir,
                   const std::filesystem::path& outPath, std::string* reason);

}  // namespace zor06::gasdata
