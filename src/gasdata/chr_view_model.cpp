#include "gasdata/chr_view_model.h"

#include <cmath>
#include <string_view>

#include "gasdata/calculation_method.h"
#include "gasdata/data_view_texts.h"
#include "gasdata/display_conversion.h"
#include "gasdata/records.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

constexpr std::uint8_t kSwitchedOff = 0x02;
constexpr std::uint8_t kNoLink = 0x20;
constexpr std::uint8_t kAutoCalibration = 0x80;

constexpr char kInvalidDate[] = "     Данные";
constexpr char kInvalidTime[] = "недостов.";

constexpr double kLeastMethane = 0.001;  // less means the interval had no real analysis

// A row and, when it counts, the converted values behind it by parameter.
struct BuiltRow {
    DataRow row;
    ChrValues shown;
};

BuiltRow EmptyRow() {
    BuiltRow built;
    built.row.left.resize(4);
    built.row.values.resize(kChrParameters);
    built.row.numbers.resize(kChrParameters);
    return built;
}

void MarkInvalid(DataRow& row) {
    row.crcValid = false;
    row.left[0] = kInvalidDate;
    row.left[1] = kInvalidTime;
}

void FillMarkers(DataRow& row, std::string_view marker) {
    for (std::string& cell : row.values) {
        cell = marker;
    }
}

void FillNumbers(BuiltRow& built, const settings::ReportConfig& config, std::string_view suffix) {
    for (int c = 0; c < kChrParameters; ++c) {
        const int parameter = kDisplayOrder[c];
        const float value = built.shown.v[parameter];
        built.row.values[c] =
            AlignedCell(FixedText(value, ChrDecimals(parameter, config)) + std::string(suffix));
        if (std::isfinite(value)) {
            built.row.numbers[c] = value;
        }
    }
    built.row.counted = true;
}

BuiltRow MinuteRow(std::span<const std::uint8_t> record, const settings::ReportConfig& config) {
    const ChrMinRecord rec = ChrMinRecord::Decode(record.first<ChrMinRecord::kSize>());
    const bytes::ControllerDateTime& d = rec.date;
    BuiltRow built = EmptyRow();
    DataRow& row = built.row;
    row.signs = {0, rec.state, rec.statusWord,
                 text::Printf(" Мгновенные 5-минутные данные (%02d.%02d.%02d  %02d:%02d:%02d)",
                              d[2], d[1], d[0], d[3], d[4], d[5])};
    if (!RecordCrcValid(record)) {
        MarkInvalid(row);
        return built;
    }
    row.time = d;
    row.left[0] = text::Printf("  %02d.%02d.%02d", d[2], d[1], d[0]);
    row.left[1] = text::Printf("  %02d:%02d:%02d", d[3], d[4], d[5]);
    row.left[2] = rec.state == 0 ? "Норма" : text::Printf("  0x%02X", rec.state);
    if ((rec.state & (kSwitchedOff | kNoLink)) == 0) {
        row.left[3] = rec.statusWord == 0
                          ? " Норма"
                          : text::Printf(" 0x%02X%02X", rec.statusWord >> 8, rec.statusWord & 0xFF);
    }
    if ((rec.state & kSwitchedOff) != 0) {
        FillMarkers(row, " Выкл.");
    } else if ((rec.state & kNoLink) != 0) {
        row.left[3] = " Нет связи";
        FillMarkers(row, "       0");
    } else if ((rec.state & kAutoCalibration) != 0) {
        FillMarkers(row, " Калибр.");
    } else {
        built.shown = rec.values;
        ConvertForDisplay(built.shown, config);
        FillNumbers(built, config, "");
    }
    return built;
}

std::string IntervalCaption(const ChrHdRecord& rec, const IntervalEnd& end, bool daily) {
    const auto& d = rec.date;
    const auto& s = rec.start;
    return text::Printf(" %s данные с %02d.%02d.%02d %02d:%02d:%02d по %02d:%02d:%02d%s",
                        daily ? "Суточные" : "Часовые", d[2], d[1], d[0], s[0], s[1], s[2],
                        end.hour, end.minute, end.second, end.star ? "*" : "");
}

bool Usable(std::uint8_t status, const ChrValues& shown) {
    const float methane = shown.v[kMethane];
    return (status & (kSwitchedOff | kNoLink)) == 0 && !IsInvalidValue(methane) &&
           methane >= kLeastMethane;
}

BuiltRow IntervalRow(std::span<const std::uint8_t> record, bool daily,
                     const settings::ReportConfig& config) {
    const ChrHdRecord rec = ChrHdRecord::Decode(record.first<ChrHdRecord::kSize>());
    const IntervalEnd end = EndOfInterval(rec.end, daily);
    BuiltRow built = EmptyRow();
    DataRow& row = built.row;
    row.signs = {1, rec.status, 0, IntervalCaption(rec, end, daily)};
    if (!RecordCrcValid(record)) {
        MarkInvalid(row);
        return built;
    }
    row.time = RecordDate(record, false);
    const auto& d = rec.date;
    const auto& s = rec.start;
    row.left[0] = text::Printf("   %02d.%02d.%02d", d[2], d[1], d[0]);
    row.left[1] = text::Printf("   %02d:%02d:%02d", s[0], s[1], s[2]);
    row.left[2] = EndTimeCell(end);
    row.left[3] = rec.status == 0 ? "    Норма" : text::Printf("     0x%02X", rec.status);
    built.shown = rec.values;
    ConvertForDisplay(built.shown, config);
    if (Usable(rec.status, built.shown)) {
        FillNumbers(built, config, rec.status == 0 ? " " : "\"");
    } else {
        FillMarkers(row, " ---");
    }
    return built;
}

std::string Caption(const DataSet& set, const settings::ReportConfig& config) {
    return text::Printf("%s данные хроматографа (сер. № %u; нитка \"%s\"%s) %s",
                        StepTitle(set.kind), set.header.serialNumber, RunName(set.header).c_str(),
                        CaptionMethodText(config).c_str(),
                        PeriodCaption(set.kind, set.header).c_str());
}

constexpr LeftHeadingWords kLeftHeadingWords{"хроматографа", "", "Начало", "Конец"};

void FillValueColumns(DataView& view, const settings::ReportConfig& config) {
    for (const int parameter : kDisplayOrder) {
        view.valueHeadings.push_back(ChrParameterHeading(parameter, config));
        view.valueParameters.push_back(parameter);
        view.valueDecimals.push_back(ChrDecimals(parameter, config));
    }
}

}  // namespace

DataView ChrDataView(const DataSet& set, const settings::ReportConfig& config) {
    DataView view;
    view.kind = set.kind;
    if (!IsChromatograph(set.kind)) {
        return view;
    }
    const bool threeMinute = IsThreeMinute(set.kind);
    view.caption = Caption(set, config);
    view.leftHeadings = LeftHeadings(threeMinute, kLeftHeadingWords);
    FillValueColumns(view, config);
    view.statusColumns = threeMinute ? std::vector<int>{2, 3} : std::vector<int>{3};
    view.startAtLastRow = !threeMinute;

    // Every column averages over the same records: a value that is not a number in one of them
    // makes its column's average "NAN" rather than an average over fewer records than the others.
    std::array<double, kChrParameters> sums{};
    int counted = 0;
    const std::size_t count = set.Count();
    view.rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        BuiltRow built = threeMinute ? MinuteRow(set.Record(i), config)
                                     : IntervalRow(set.Record(i), IsDaily(set.kind), config);
        if (built.row.counted) {
            for (int p = 0; p < kChrParameters; ++p) {
                sums[p] += built.shown.v[p];
            }
            ++counted;
        }
        view.rows.push_back(std::move(built.row));
    }
    for (int p = 0; p < kChrParameters; ++p) {
        view.averages[p] = counted > 0 ? sums[p] / counted : 0.0;
    }
    return view;
}

}  // namespace zor06::gasdata
