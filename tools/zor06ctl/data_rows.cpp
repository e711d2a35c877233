#include "zor06ctl/data_rows.h"

#include <vector>

#include "gasdata/data_csv.h"
#include "gasdata/display_conversion.h"
#include "gasdata/exported_cells.h"
#include "gasdata/iso_check.h"
#include "settings/ini_values.h"
#include "zor06ctl/json.h"

namespace zor06::ctl {
namespace {

constexpr char kAveragesLabel[] = "Средние значения";

std::vector<std::string> RowCells(const gasdata::DataRow& row) {
    std::vector<std::string> cells;
    for (const auto* part : {&row.left, &row.values}) {
        for (const std::string& cell : *part) {
            cells.emplace_back(gasdata::TrimBlanks(cell));
        }
    }
    for (const gasdata::CheckCell& cell : row.check) {
        cells.emplace_back(gasdata::TrimBlanks(cell.text));
    }
    return cells;
}

// The averages as the printout's summary shows them, in display order; none for moisture data.
std::vector<std::string> AverageCells(const gasdata::DataView& view) {
    std::vector<std::string> cells;
    if (!gasdata::IsChromatograph(view.kind)) {
        return cells;
    }
    for (std::size_t c = 0; c < view.valueParameters.size(); ++c) {
        const double average = view.averages[static_cast<std::size_t>(view.valueParameters[c])];
        cells.emplace_back(gasdata::TrimBlanks(gasdata::FixedText(average, view.valueDecimals[c])));
    }
    return cells;
}

std::string TabLine(const std::vector<std::string>& cells) {
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        line.append(i == 0 ? "" : "\t").append(cells[i]);
    }
    return line + "\n";
}

std::string JsonArray(const std::vector<std::string>& texts) {
    std::string out = "[";
    for (std::size_t i = 0; i < texts.size(); ++i) {
        out.append(i == 0 ? "" : ", ").append(JsonString(texts[i]));
    }
    return out + "]";
}

// The marked rows and their limit, and which check cells are marked, by row and check column.
std::string IsoCheckJson(const gasdata::DataView& view) {
    if (!view.isoCheck) {
        return "";
    }
    std::string marked;
    for (std::size_t r = 0; r < view.rows.size(); ++r) {
        const auto& cells = view.rows[r].check;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (cells[c].marked) {
                marked.append(marked.empty() ? "[" : ", [")
                    .append(std::to_string(r))
                    .append(", ")
                    .append(std::to_string(c))
                    .append("]");
            }
        }
    }
    std::string json = ", \"iso_check\": {\"limit\": ";
    json.append(settings::DecimalText(view.isoCheck->limit))
        .append(", \"marked_rows\": ")
        .append(std::to_string(view.isoCheck->marked))
        .append(", \"marked_cells\": [")
        .append(marked)
        .append("]}");
    return json;
}

std::string Json(const gasdata::DataView& view) {
    std::vector<std::string> columns;
    static const std::vector<gasdata::ColumnHeading> kNone;
    for (const auto* headings : {&view.leftHeadings, &view.valueHeadings,
                                 view.isoCheck ? &view.isoCheck->headings : &kNone}) {
        for (const gasdata::ColumnHeading& heading : *headings) {
            columns.push_back(gasdata::HeadingText(heading));
        }
    }
    std::string rows;
    for (const gasdata::DataRow& row : view.rows) {
        rows.append(rows.empty() ? "" : ", ").append(JsonArray(RowCells(row)));
    }
    return "{\"caption\": " + JsonString(view.caption) + ", \"columns\": " + JsonArray(columns) +
           ", \"rows\": [" + rows + "], \"averages\": " + JsonArray(AverageCells(view)) +
           IsoCheckJson(view) + "}\n";
}

}  // namespace

std::string DataRowsText(const gasdata::DataView& view, RowFormat format) {
    if (format == RowFormat::Json) {
        return Json(view);
    }
    if (format == RowFormat::Csv) {
        return gasdata::DataViewCsv(view);
    }
    std::string out;
    for (const gasdata::DataRow& row : view.rows) {
        out += TabLine(RowCells(row));
    }
    if (gasdata::IsChromatograph(view.kind)) {
        std::vector<std::string> averages = AverageCells(view);
        averages.insert(averages.begin(), kAveragesLabel);
        out += TabLine(averages);
    }
    if (view.isoCheck) {
        out += gasdata::IsoCheckSummary(*view.isoCheck) + "\n";
    }
    return out;
}

}  // namespace zor06::ctl
