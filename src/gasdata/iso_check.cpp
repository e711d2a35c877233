#include "gasdata/iso_check.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "gasdata/display_conversion.h"
#include "gasdata/records.h"
#include "settings/ini_values.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

constexpr int kDeliveredValues = 0;
constexpr int kIso6976Values = 2;
constexpr char kRefused[] = " ---";
// The computed values and differences keep the blank the chromatograph's numbers end in, so that
// the digits of a group stand in line.
constexpr char kNumberEnd[] = " ";

struct Group {
    int parameter;
    const char* name;  // the first line of the group's headings
};
constexpr std::array<Group, 3> kGroups{{
    {kIsoCheckParameters[0], "Тсг высш."},
    {kIsoCheckParameters[1], "Плотность"},
    {kIsoCheckParameters[2], "Отн. плотн."},
}};

std::size_t DisplayColumn(int parameter) {
    return static_cast<std::size_t>(std::ranges::find(kDisplayOrder, parameter) -
                                    kDisplayOrder.begin());
}

void AddHeadings(IsoCheckColumns& check, const settings::ReportConfig& config) {
    for (const Group& g : kGroups) {
        const std::string unit = ChrParameterHeading(g.parameter, config).unit;
        const int decimals = ChrDecimals(g.parameter, config);
        check.headings.push_back({{g.name, "хромато-", "графа,"}, unit});
        check.headings.push_back({{g.name, "расчет по", "ISO 6976,"}, unit});
        check.headings.push_back({{g.name, "отклоне-", "ние,"}, "%"});
        check.decimals.insert(check.decimals.end(),
                              {decimals, decimals, kIsoCheckDifferenceDecimals});
    }
}

// The record's values computed from its composition as the views show it, in the view's units;
// not numbers when the calculation refuses the composition.
ChrValues ComputedValues(std::span<const std::uint8_t> record,
                         const settings::ReportConfig& config) {
    settings::ReportConfig iso = config;
    iso.calcFormula = kIso6976Values;
    ChrValues values = ChrHdRecord::Decode(record.first<ChrHdRecord::kSize>()).values;
    ConvertForDisplay(values, iso);
    return values;
}

// A difference that rounds to zero is shown without a sign.
std::string DifferenceText(double difference) {
    std::string text = FixedText(difference, kIsoCheckDifferenceDecimals);
    if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
        text.erase(0, 1);
    }
    return text;
}

// The difference as its cell shows it, so that the mark agrees with what the operator reads.
double ShownDifference(const std::string& text) {
    double shown = 0;
    std::from_chars(text.data(), text.data() + text.size(), shown);
    return shown;
}

// The three cells of one parameter of a row whose values are shown.
void AddGroupCells(std::vector<CheckCell>& cells, const DataRow& row, int parameter,
                   double computed, const IsoCheckColumns& check) {
    const std::size_t column = DisplayColumn(parameter);
    const std::optional<double> chromatograph = row.numbers[column];
    cells.push_back({row.values[column], chromatograph, false});
    if (!std::isfinite(computed)) {
        cells.push_back({kRefused, std::nullopt, false});
        cells.push_back({kRefused, std::nullopt, false});
        return;
    }
    const int decimals = check.decimals[cells.size()];
    cells.push_back({AlignedCell(FixedText(computed, decimals) + kNumberEnd), computed, false});
    const std::optional<double> difference =
        chromatograph ? RelativeDifference(*chromatograph, computed) : std::nullopt;
    if (!difference) {
        cells.push_back({kRefused, std::nullopt, false});
        return;
    }
    // The number behind the cell is the one it shows, so that every output agrees with it.
    const std::string shown = DifferenceText(*difference);
    const double number = ShownDifference(shown);
    cells.push_back({AlignedCell(shown + kNumberEnd), number, std::abs(number) > check.limit});
}

// A row without values shows what its value cells show in place of each check cell.
std::vector<CheckCell> MarkerCells(const DataRow& row, std::size_t count) {
    std::vector<CheckCell> cells;
    for (const Group& g : kGroups) {
        const std::size_t column = DisplayColumn(g.parameter);
        const std::string marker = column < row.values.size() ? row.values[column] : "";
        cells.insert(cells.end(), kIsoCheckColumnsPerParameter, CheckCell{marker, {}, false});
    }
    cells.resize(count);
    return cells;
}

std::vector<CheckCell> RowCells(const DataRow& row, std::span<const std::uint8_t> record,
                                const settings::ReportConfig& config,
                                const IsoCheckColumns& check) {
    if (!row.counted) {
        return MarkerCells(row, check.headings.size());
    }
    const ChrValues computed = ComputedValues(record, config);
    std::vector<CheckCell> cells;
    for (const Group& g : kGroups) {
        AddGroupCells(cells, row, g.parameter, computed.v[g.parameter], check);
    }
    return cells;
}

}  // namespace

bool IsoCheckApplies(DataKind kind, const settings::ReportConfig& config) {
    return IsChromatograph(kind) && !IsThreeMinute(kind) && config.calcFormula == kDeliveredValues;
}

void AddIsoCheck(DataView& view, const DataSet& set, const settings::ReportConfig& config) {
    if (!IsoCheckApplies(set.kind, config) || view.kind != set.kind) {
        return;
    }
    IsoCheckColumns check;
    check.limit = config.isoCheckLimit;
    AddHeadings(check, config);
    const std::size_t count = std::min(set.Count(), view.rows.size());
    for (std::size_t i = 0; i < count; ++i) {
        DataRow& row = view.rows[i];
        row.check = RowCells(row, set.Record(i), config, check);
        if (std::ranges::any_of(row.check, &CheckCell::marked)) {
            ++check.marked;
        }
    }
    view.isoCheck = std::move(check);
}

DataView WithoutIsoCheck(DataView view) {
    view.isoCheck.reset();
    for (DataRow& row : view.rows) {
        row.check.clear();
    }
    return view;
}

std::optional<double> RelativeDifference(double chromatograph, double computed) {
    if (!std::isfinite(chromatograph) || !std::isfinite(computed) || computed == 0) {
        return std::nullopt;
    }
    return (chromatograph - computed) / computed * 100;
}

std::string IsoCheckSummary(const IsoCheckColumns& check) {
    return text::Printf("Отклонение от ISO 6976 более %s %%: записей %zu",
                        settings::DecimalText(check.limit).c_str(), check.marked);
}

}  // namespace zor06::gasdata
