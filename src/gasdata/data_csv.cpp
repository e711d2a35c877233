#include "gasdata/data_csv.h"

#include <vector>

#include "gasdata/data_file.h"
#include "gasdata/display_conversion.h"
#include "gasdata/exported_cells.h"
#include "messages/csv_save.h"
#include "text/csv.h"
#include "text/number_text.h"

namespace zor06::gasdata {
namespace {

std::string ValueField(const DataView& view, const DataRow& row, std::size_t v) {
    const std::optional<double> number = v < row.numbers.size() ? row.numbers[v] : std::nullopt;
    if (!number) {
        return std::string(TrimBlanks(row.values[v]));
    }
    // The moisture views leave the decimals to the magnitude, as their cells show them.
    if (v < view.valueDecimals.size()) {
        return FixedText(*number, view.valueDecimals[v]);
    }
    return text::NumberText(static_cast<float>(*number));
}

std::string CheckField(const DataView& view, const CheckCell& cell, std::size_t c) {
    if (!cell.number) {
        return std::string(TrimBlanks(cell.text));
    }
    return FixedText(*cell.number, view.isoCheck->decimals[c]);
}

std::vector<std::string> HeadingFields(const DataView& view) {
    std::vector<std::string> fields;
    static const std::vector<ColumnHeading> kNone;
    for (const auto* headings : {&view.leftHeadings, &view.valueHeadings,
                                 view.isoCheck ? &view.isoCheck->headings : &kNone}) {
        for (const ColumnHeading& heading : *headings) {
            fields.push_back(HeadingText(heading));
        }
    }
    return fields;
}

}  // namespace

std::string DataViewCsv(const DataView& view) {
    std::vector<std::string> fields = HeadingFields(view);
    std::string csv = text::CsvRecord(fields);
    for (const DataRow& row : view.rows) {
        fields.clear();
        for (const std::string& cell : row.left) {
            fields.emplace_back(TrimBlanks(cell));
        }
        for (std::size_t v = 0; v < row.values.size(); ++v) {
            fields.push_back(ValueField(view, row, v));
        }
        for (std::size_t c = 0; view.isoCheck && c < row.check.size(); ++c) {
            fields.push_back(CheckField(view, row.check[c], c));
        }
        csv += text::CsvRecord(fields);
    }
    return csv;
}

bool SaveDataCsv(const DataView& view, const DataSet& set, const std::filesystem::path& programDir,
                 const bytes::ControllerDateTime& today, dialogue::Operator& op) {
    const std::string name = messages::CsvFileName(DefaultDataFileName(set, today));
    return messages::SaveCsvFile(DataViewCsv(view), programDir / KindOf(set.kind).directory, name,
                                 op);
}

}  // namespace zor06::gasdata
