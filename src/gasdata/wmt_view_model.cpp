#include "gasdata/wmt_view_model.h"

#include <cmath>

#include "gasdata/data_view_texts.h"
#include "text/number_text.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

constexpr std::uint8_t kSwitchedOff = 0x02;
constexpr std::uint8_t kNoLink = 0x04;

constexpr char kInvalidDate[] = "     Данные";
constexpr char kInvalidTime[] = " недостов.";
constexpr char kNorm[] = "  Норма";

DataRow EmptyRow() {
    DataRow row;
    row.left.resize(4);
    row.values.resize(kWmtValues);
    row.numbers.resize(kWmtValues);
    return row;
}

void MarkInvalid(DataRow& row) {
    row.crcValid = false;
    row.left[0] = kInvalidDate;
    row.left[1] = kInvalidTime;
}

std::string ByteCell(std::uint8_t state) {
    return state == 0 ? kNorm : text::Printf("  0x%02X", state);
}

// Switched off, no link, or the values themselves.
void FillValues(DataRow& row, std::uint8_t state, const std::array<float, kWmtValues>& values) {
    for (int i = 0; i < kWmtValues; ++i) {
        if ((state & kSwitchedOff) != 0) {
            row.values[i] = "  Выкл.";
        } else if ((state & kNoLink) != 0) {
            row.values[i] = "       0";
        } else {
            row.values[i] = WmtNumberCell(values[i]);
            if (std::isfinite(values[i])) {
                row.numbers[i] = values[i];
            }
        }
    }
}

DataRow MinuteRow(std::span<const std::uint8_t> record) {
    DataRow row = EmptyRow();
    if (!RecordCrcValid(record)) {
        MarkInvalid(row);
        return row;
    }
    const WmtMinRecord rec = WmtMinRecord::Decode(record.first<WmtMinRecord::kSize>());
    const bytes::ControllerDateTime& d = rec.date;
    row.time = d;
    row.left[0] = text::Printf("  %02d.%02d.%02d", d[2], d[1], d[0]);
    row.left[1] = text::Printf("  %02d:%02d:%02d", d[3], d[4], d[5]);
    row.left[2] = ByteCell(rec.state);
    if ((rec.state & (kSwitchedOff | kNoLink)) == 0) {
        row.left[3] = rec.statusWord == 0 ? kNorm
                                          : text::Printf("  0x%02X%02X", rec.statusWord >> 8,
                                                         rec.statusWord & 0xFF);
    } else if ((rec.state & kSwitchedOff) == 0) {
        row.left[3] = " Нет связи";
    }
    FillValues(row, rec.state, rec.values);
    return row;
}

DataRow IntervalRow(std::span<const std::uint8_t> record, bool daily) {
    DataRow row = EmptyRow();
    if (!RecordCrcValid(record)) {
        MarkInvalid(row);
        return row;
    }
    const WmtHdRecord rec = WmtHdRecord::Decode(record.first<WmtHdRecord::kSize>());
    row.time = RecordDate(record, false);
    const auto& d = rec.date;
    const auto& s = rec.start;
    row.left[0] = text::Printf("  %02d.%02d.%02d", d[2], d[1], d[0]);
    row.left[1] = text::Printf("  %02d:%02d:%02d", s[0], s[1], s[2]);
    row.left[2] = EndTimeCell(EndOfInterval(rec.end, daily));
    row.left[3] = ByteCell(rec.status);
    FillValues(row, rec.status, rec.values);
    return row;
}

std::string Caption(const DataSet& set) {
    return text::Printf("%s данные влагомера %s", StepTitle(set.kind),
                        PeriodCaption(set.kind, set.header).c_str());
}

constexpr LeftHeadingWords kLeftHeadingWords{"влагомера", "начала", "начала", "конца"};

}  // namespace

const std::array<ColumnHeading, kWmtValues>& WmtValueHeadings() {
    static const std::array<ColumnHeading, kWmtValues> headings{{
        {{"Т т.росы", "WDP", "при Рраб."}, "°С"},
        {{"Т т.росы", "HDP", "при Рраб."}, "°С"},
        {{"Р изб.", "WDP", ""}, "bar"},
        {{"Прив. Т т.росы", "по воде", "к Р абс."}, "°С"},
    }};
    return headings;
}

std::string WmtNumberCell(float value) {
    return "  " + text::NumberText(value);
}

DataView WmtDataView(const DataSet& set) {
    DataView view;
    view.kind = set.kind;
    if (IsChromatograph(set.kind)) {
        return view;
    }
    const bool threeMinute = IsThreeMinute(set.kind);
    view.caption = Caption(set);
    view.leftHeadings = LeftHeadings(threeMinute, kLeftHeadingWords);
    const auto& headings = WmtValueHeadings();
    view.valueHeadings.assign(headings.begin(), headings.end());
    view.valueParameters = {0, 1, 2, 3};
    const std::size_t count = set.Count();
    view.rows.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        view.rows.push_back(threeMinute ? MinuteRow(set.Record(i))
                                        : IntervalRow(set.Record(i), IsDaily(set.kind)));
    }
    return view;
}

}  // namespace zor06::gasdata
