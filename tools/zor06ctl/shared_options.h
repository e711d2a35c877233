// The options several commands take: the files they write and the run and period of the data
// readings. A command lists the ones it reads among its own options.
#pragma once

#include <string>
#include <string_view>

#include "zor06ctl/cli_options.h"
#include "zor06ctl/command_table.h"
#include "zor06ctl/data_period.h"

namespace zor06::ctl {

// "NAME needs a value" for an empty value.
std::string NeedsValue(std::string_view name, std::string_view value);
// "NAME needs a file name" for an empty value.
std::string NeedsFileName(std::string_view name, std::string_view value);
// "NAME takes 1 or 2" for any other value.
std::string RunNumber(std::string_view name, std::string_view value);

// --out and --save name the same file; the one given last counts.
inline constexpr Option kOutOption{.name = "--out", .value = "FILE", .check = NeedsFileName};
inline constexpr Option kSaveOption{.name = "--save", .value = "FILE"};
inline constexpr Option kPdfOption{.name = "--pdf", .value = "FILE", .check = NeedsFileName};
inline constexpr Option kXlsxOption{.name = "--xlsx", .value = "FILE", .check = NeedsValue};
inline constexpr Option kRunOption{.name = "--run", .value = "1|2", .check = RunNumber};
inline constexpr Option kFromOption{.name = "--from", .value = "DATE", .check = NeedsValue};
inline constexpr Option kToOption{.name = "--to", .value = "DATE", .check = NeedsValue};
inline constexpr Option kLastDayOption{.name = "--last-day"};
inline constexpr Option kLastMonthOption{.name = "--last-month"};
inline constexpr Option kIsoCheckOption{.name = "--iso-check",
                                        .help =
                                            "hourly and daily chromatograph data, with\n"
                                            "calc_formula=0: after the values, for the\n"
                                            "superior calorific value, the density and the\n"
                                            "relative density, three columns each: the\n"
                                            "chromatograph's value, the value ISO 6976 gives\n"
                                            "for the row's composition (iso_t_comb,\n"
                                            "iso_t_metering, c6plus; in the view's units) and\n"
                                            "their difference in % (\"---\" when the\n"
                                            "calculation refuses the composition). A\n"
                                            "difference beyond iso_check_limit (default\n"
                                            "0.05 %) marks its row: the lines end with\n"
                                            "\"Отклонение от ISO 6976 более L %: записей N\",\n"
                                            "--json adds \"iso_check\": {limit, marked_rows,\n"
                                            "marked_cells: [[row, column], ...]}, --xlsx fills\n"
                                            "the marked cells; the --pdf report keeps its\n"
                                            "two halves of ten value columns, without them.\n"
                                            "With calc_formula 1 or 2 the values are\n"
                                            "computed from the composition already and no\n"
                                            "columns are added (said on stderr)"};

// The file of --out or --save; empty when neither was given.
std::string SaveFileOf(const CommandLine& cl);
// The file of --pdf, --xlsx; empty when not given.
std::string PdfFileOf(const CommandLine& cl);
std::string XlsxFileOf(const CommandLine& cl);
// --run's 1 or 2; 0 when not given.
int RunOf(const CommandLine& cl);
// The run and period of a data reading as given.
DataOptions DataOptionsOf(const CommandLine& cl);

}  // namespace zor06::ctl
