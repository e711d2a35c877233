// A data view without its widgets: the caption, the headings and one row of cell texts per
// record, exactly as the grids, the printouts and the workbook show them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "gasdata/data_kind.h"
#include "gasdata/records.h"

namespace zor06::gasdata {

struct ColumnHeading {
    std::array<std::string, 3> lines;  // the moisture views use the first two or three
    std::string unit;                  // empty for the left-hand columns
};

// What the abnormal-signs window of a row needs.
struct RowSigns {
    int mode = 0;  // 0 3-minute, 1 hourly or daily
    std::uint8_t state = 0;
    std::uint16_t statusWord = 0;
    std::string caption;
};

// A cell of the columns a view adds beside its values (the ISO 6976 check).
struct CheckCell {
    std::string text;  // as shown
    std::optional<double> number;
    bool marked = false;  // shown in the marked colour
};

struct DataRow {
    std::vector<std::string> left;    // date, time(s), state, status word: as displayed
    std::vector<std::string> values;  // 20 (chromatograph) or 4 (moisture), in display order
    // The converted values behind `values`, in display order, when the cells show numbers;
    // nothing for markers ("---", " Выкл.", " Калибр.", invalid records, zeros of "Нет связи").
    std::vector<std::optional<double>> numbers;
    // The record's date and (start) time; nothing for an invalid record, whose date is not to
    // be trusted.
    std::optional<bytes::ControllerDateTime> time;
    bool counted = false;  // takes part in the averages
    bool crcValid = true;
    RowSigns signs;                // chromatograph rows only
    std::vector<CheckCell> check;  // one per heading of the view's isoCheck; none without it
};

// The columns that set a chromatograph's values beside the ones computed from each record's
// composition after ISO 6976, and how many records differ beyond the limit.
struct IsoCheckColumns {
    std::vector<ColumnHeading> headings;
    std::vector<int> decimals;
    double limit = 0;  // per cent
    std::size_t marked = 0;
};

struct DataView {
    DataKind kind = DataKind::ChrHour;
    std::string caption;
    std::vector<ColumnHeading> leftHeadings;
    std::vector<ColumnHeading> valueHeadings;  // in display order
    std::vector<int> valueParameters;          // the parameter index of each value column
    // The decimals of each value column's numbers; the moisture views' numbers choose their
    // decimals by magnitude and leave this empty.
    std::vector<int> valueDecimals;
    std::vector<DataRow> rows;
    // Chromatograph views: the 20 averages by parameter index (not display order).
    std::array<double, 20> averages{};
    // Left columns hidden until the operator asks for them (state and status word).
    std::vector<int> statusColumns;
    bool startAtLastRow = false;
    std::optional<IsoCheckColumns> isoCheck;  // hourly and daily views that asked for it
};

}  // namespace zor06::gasdata
