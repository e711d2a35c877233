#include "gasdata/passport.h"

#include <algorithm>

#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

using report::TemplateCell;

constexpr int kFirstRow = 10;
constexpr int kDayRows = 24;
constexpr int kDaySummaryRow = 34;
constexpr int kMonthAverageRow = 41;
constexpr int kDaysInLongestMonth = 31;
constexpr char kNoValue[] = "--";

constexpr float kMinMethane = 0.001f;
constexpr double kKcalPerMj = 239.08;
constexpr double kKwhPerMj = 0.277778;
constexpr double kKgfPerBar = 1.019716213;

constexpr int kLowerCalorific = 18;
constexpr int kHigherCalorific = 11;
constexpr int kWobbe = 13;
constexpr int kGasTemperature = 16;

// Columns 2..14: the parameter index each carries.
constexpr std::array<int, 13> kComponentColumns{8, 10, 1, 2, 3, 4, 5, 6, 0, 7, 9, 15, 12};

template <typename Record>
bool Intact(const Record& record) {
    return RecordCrcValid(record.Encode());
}

void Number(std::vector<TemplateCell>& cells, int row, int column, double value) {
    cells.push_back(TemplateCell::Number(row, column, static_cast<float>(value)));
}

void Text(std::vector<TemplateCell>& cells, int row, int column, std::string text) {
    cells.push_back(TemplateCell::Text(row, column, std::move(text)));
}

// A value in MJ/m³ in the three units of a calorific-value group starting at `column`.
void EnergyGroup(std::vector<TemplateCell>& cells, int row, int column, float mj) {
    Number(cells, row, column, mj * kKcalPerMj);
    Number(cells, row, column + 1, mj);
    Number(cells, row, column + 2, mj * kKwhPerMj);
}

void ChrRow(std::vector<TemplateCell>& cells, int row, const ChrHdRecord& record) {
    if (!ChrRowUsable(record)) {
        for (int column = 2; column <= 23; ++column) {
            Text(cells, row, column, kNoValue);
        }
        return;
    }
    const auto& v = record.values.v;
    for (std::size_t i = 0; i < kComponentColumns.size(); ++i) {
        Number(cells, row, 2 + static_cast<int>(i),
               v[static_cast<std::size_t>(kComponentColumns[i])]);
    }
    EnergyGroup(cells, row, 15, v[kLowerCalorific]);
    EnergyGroup(cells, row, 18, v[kHigherCalorific]);
    EnergyGroup(cells, row, 21, v[kWobbe]);
    Number(cells, row, 28, v[kGasTemperature]);
}

void WmtRow(std::vector<TemplateCell>& cells, int row, const WmtHdRecord& record) {
    if (!WmtRowUsable(record)) {
        for (int column = 24; column <= 27; ++column) {
            Text(cells, row, column, kNoValue);
        }
        return;
    }
    const auto& v = record.values;
    Number(cells, row, 24, v[0]);
    Number(cells, row, 25, v[3]);
    Number(cells, row, 26, v[1]);
    Number(cells, row, 27, v[2] * kKgfPerBar);
}

std::string DateText(const ChrHdRecord& r) {
    return text::Printf("%02d.%02d.%02d", r.date[2], r.date[1], r.date[0]);
}

std::string PeriodText(const PassportData& data) {
    const ChrHdRecord& first = data.chr.front();
    const ChrHdRecord& last = data.chr.back();
    if (data.mode == PassportMode::Month) {
        return "За період з " + DateText(first) + " по  " + DateText(last);
    }
    return text::Printf("За період з %s %02d:00  по  %s %02d:00", DateText(first).c_str(),
                        first.start[0], DateText(last).c_str(), last.start[0]);
}

void DayRows(std::vector<TemplateCell>& cells, const PassportData& data) {
    const std::size_t rows = std::min({data.chr.size(), data.wmt.size(), std::size_t{kDayRows}});
    for (std::size_t i = 0; i < rows; ++i) {
        const int row = kFirstRow + static_cast<int>(i);
        const ChrHdRecord& r = data.chr[i];
        Text(cells, row, 1, DateText(r) + text::Printf("  %02d:00", r.start[0]));
        ChrRow(cells, row, r);
        WmtRow(cells, row, data.wmt[i]);
    }
    ChrRow(cells, kDaySummaryRow, data.chrSummary);
    WmtRow(cells, kDaySummaryRow, data.wmtSummary);
}

// Each record in the row of its own day, so that a day missing from the archive leaves its row
// empty instead of moving the later days up.
void MonthRows(std::vector<TemplateCell>& cells, const PassportData& data) {
    const std::size_t rows = std::min(data.chr.size(), data.wmt.size());
    for (std::size_t i = 0; i < rows; ++i) {
        const int day = data.chr[i].date[2];
        if (day < 1 || day > kDaysInLongestMonth) {
            continue;
        }
        ChrRow(cells, day + kFirstRow - 1, data.chr[i]);
        WmtRow(cells, day + kFirstRow - 1, data.wmt[i]);
    }
    const auto& v = data.chrSummary.values.v;
    EnergyGroup(cells, kMonthAverageRow, 15, v[kLowerCalorific]);
    EnergyGroup(cells, kMonthAverageRow, 18, v[kHigherCalorific]);
}

}  // namespace

const char* TemplateName(PassportMode mode) {
    return mode == PassportMode::Day ? kDayTemplate : kMonthTemplate;
}

bool ChrRowUsable(const ChrHdRecord& record) {
    const float methane = record.values.v[kMethane];
    return Intact(record) && (record.status & 0x22) == 0 && !IsInvalidValue(methane) &&
           methane >= kMinMethane;
}

bool WmtRowUsable(const WmtHdRecord& record) {
    return Intact(record) && (record.status & 0x06) == 0;
}

ChrValues MonthChrAverages(const std::vector<ChrHdRecord>& records) {
    std::array<double, kChrParameters> sum{};
    int count = 0;
    for (const ChrHdRecord& r : records) {
        if (ChrRowUsable(r)) {
            std::transform(sum.begin(), sum.end(), r.values.v.begin(), sum.begin(),
                           [](double s, float v) { return s + v; });
            ++count;
        }
    }
    ChrValues out;
    for (std::size_t i = 0; count > 0 && i < sum.size(); ++i) {
        out.v[i] = static_cast<float>(sum[i] / count);
    }
    return out;
}

std::array<float, kWmtValues> MonthWmtAverages(const std::vector<WmtHdRecord>& records) {
    std::array<double, kWmtValues> sum{};
    int count = 0;
    for (const WmtHdRecord& r : records) {
        if (WmtRowUsable(r)) {
            std::transform(sum.begin(), sum.end(), r.values.begin(), sum.begin(),
                           [](double s, float v) { return s + v; });
            ++count;
        }
    }
    std::array<float, kWmtValues> out{};
    for (std::size_t i = 0; count > 0 && i < sum.size(); ++i) {
        out[i] = static_cast<float>(sum[i] / count);
    }
    return out;
}

std::vector<TemplateCell> PassportCells(const PassportData& data) {
    std::vector<TemplateCell> cells;
    Text(cells, 2, 28,
         text::Printf("Серийный номер хроматографа %u;  %s", data.serialNumber,
                      data.runName.c_str()));
    if (!data.chr.empty()) {
        Text(cells, 4, 22, PeriodText(data));
    }
    if (data.mode == PassportMode::Day) {
        DayRows(cells, data);
    } else {
        MonthRows(cells, data);
    }
    return cells;
}

std::string PassportFileName(const PassportData& data) {
    const std::string object = text::FileNamePart(data.objectName);
    const std::string run = text::FileNamePart(data.runName);
    if (data.mode == PassportMode::Month) {
        return text::Printf("%s_%s_mon_%02d%02d.xlsx", object.c_str(), run.c_str(), data.date[0],
                            data.date[1]);
    }
    return text::Printf("%s_%s_day_%02d%02d%02d.xlsx", object.c_str(), run.c_str(), data.date[0],
                        data.date[1], data.date[2]);
}

bool WritePassport(const PassportData& data, const std::filesystem::path& templateDir,
                   const std::filesystem::path& outPath, std::string* reason) {
    return report::FillTemplate(templateDir / TemplateName(data.mode), PassportCells(data), outPath,
                                reason);
}

}  // namespace zor06::gasdata
