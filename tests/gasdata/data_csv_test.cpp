// Data views as CSV: the headings, the numbers with a point, the markers and the status columns
// of each kind of rows.
#include "gasdata/data_csv.h"

#include <gtest/gtest.h>

#include "data_set_builders.h"
#include "gasdata/data_view_model.h"
#include "gasdata/display_conversion.h"
#include "gasdata/iso_check.h"
#include "tests/support/csv_reader.h"

namespace zor06::gasdata {
namespace {

using testing::Add;
using testing::EmptySet;
using Fields = std::vector<std::string>;

constexpr std::size_t kLeft = 4;
constexpr std::size_t kMethane = kLeft + 8;
constexpr std::size_t kDensity = kLeft + 16;

ChrValues Gas() {
    ChrValues p;
    p.v[1] = 1.5F;
    p.v[gasdata::kMethane] = 94.0F;
    p.v[12] = 0.7F;
    return p;
}

ChrMinRecord ChrMinute(std::uint8_t state) {
    ChrMinRecord r;
    r.date = {24, 3, 1, 10, 3, 0};
    r.state = state;
    r.values = Gas();
    return r;
}

ChrHdRecord ChrInterval(std::uint8_t status, std::uint8_t endHour = 11) {
    ChrHdRecord r;
    r.date = {24, 3, 1};
    r.start = {10, 0, 0};
    r.end = {endHour, 0, 0};
    r.status = status;
    r.values = Gas();
    return r;
}

WmtHdRecord WmtInterval(std::uint8_t status) {
    WmtHdRecord r;
    r.date = {24, 3, 1};
    r.start = {10, 0, 0};
    r.end = {11, 0, 0};
    r.status = status;
    r.values = {-12.5F, 12345.6F, 0.00012F, 0.0F};
    return r;
}

// The records of the view's CSV, each checked to have one field per column.
test::CsvRecords Records(const DataSet& set, const settings::ReportConfig& config = {}) {
    const auto records = test::ParseCsv(DataViewCsv(BuildDataView(set, config)));
    EXPECT_TRUE(records.has_value());
    if (!records) {
        return {};
    }
    for (const Fields& record : *records) {
        EXPECT_EQ(record.size(), records->front().size());
    }
    EXPECT_EQ(records->size(), set.Count() + 1);
    return *records;
}

TEST(DataCsvHeading, JoinsLinesAndUnitOnOneLine) {
    struct Case {
        ColumnHeading heading;
        const char* text;
    } const cases[] = {
        {{{"МД", "метана,", " "}, "%"}, "МД метана, %"},
        {{{"МД", "neo-", "пентана,"}, "%"}, "МД neo-пентана, %"},
        {{{"Фактор", "сжимае-", "мости"}, " "}, "Фактор сжимаемости"},
        {{{"Т т.росы", "WDP", "при Рраб."}, "°С"}, "Т т.росы WDP при Рраб., °С"},
        {{{"Время", "Начало", ""}, ""}, "Время Начало"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HeadingText(c.heading), c.text);
    }
}

TEST(DataViewCsv, ChromatographMinuteRows) {
    DataSet set = EmptySet(DataKind::ChrMinute);
    Add(set, ChrMinute(0x00));
    Add(set, ChrMinute(0x02));
    Add(set, ChrMinute(0x80));
    Add(set, ChrMinute(0x00), false);
    const test::CsvRecords r = Records(set);
    ASSERT_EQ(r.size(), 5U);
    ASSERT_EQ(r[0].size(), kLeft + 20);
    EXPECT_EQ(Fields(r[0].begin(), r[0].begin() + kLeft),
              (Fields{"Дата", "Время", "Статус контроллера", "Признаки состояния хроматографа"}));
    EXPECT_EQ(r[0][kMethane], "МД метана, %");
    EXPECT_EQ(Fields(r[1].begin(), r[1].begin() + kLeft),
              (Fields{"01.03.24", "10:03:00", "Норма", "Норма"}));
    EXPECT_EQ(r[1][kMethane], "94.0000");
    EXPECT_EQ(r[2][2], "0x02");
    EXPECT_EQ(r[2][kMethane], "Выкл.");
    EXPECT_EQ(r[3][kMethane], "Калибр.");
    EXPECT_EQ(Fields(r[4].begin(), r[4].begin() + 3), (Fields{"Данные", "недостов.", ""}));
}

TEST(DataViewCsv, ChromatographIntervalRowsKeepNumbersPlainAndTheirStatusBeside) {
    settings::ReportConfig config;
    config.decimals[12] = 2;
    DataSet hour = EmptySet(DataKind::ChrHour);
    Add(hour, ChrInterval(0x00));
    Add(hour, ChrInterval(0x01));
    Add(hour, ChrInterval(0x02));
    const test::CsvRecords r = Records(hour, config);
    ASSERT_EQ(r.size(), 4U);
    EXPECT_EQ(Fields(r[0].begin(), r[0].begin() + kLeft),
              (Fields{"Дата", "Время Начало", "Время Конец", "Статус контроллера"}));
    EXPECT_EQ(Fields(r[1].begin(), r[1].begin() + kLeft),
              (Fields{"01.03.24", "10:00:00", "11:00:00", "Норма"}));
    EXPECT_EQ(r[1][kDensity], "0.70");
    EXPECT_EQ(r[2][3], "0x01");
    EXPECT_EQ(r[2][kMethane], "94.0000");  // shown as 94.0000" in the view
    EXPECT_EQ(r[3][kMethane], "---");

    DataSet day = EmptySet(DataKind::ChrDay);
    Add(day, ChrInterval(0x00, 0x0A));
    const test::CsvRecords d = Records(day);
    ASSERT_EQ(d.size(), 2U);
    EXPECT_EQ(d[1][2], "10:00:00*");
    EXPECT_EQ(d[1][kMethane], "94.0000");
}

TEST(DataViewCsv, CheckColumnsFollowTheValuesOnlyWhenTheViewHasThem) {
    ChrHdRecord whole = ChrInterval(0x00);
    whole.values.v[gasdata::kMethane] = 98.5F;  // with the propane: 100 %
    whole.values.v[11] = 37.5F;
    DataSet set = EmptySet(DataKind::ChrHour);
    Add(set, whole);
    Add(set, ChrInterval(0x00));  // 95.5 %: the calculation refuses it
    Add(set, ChrInterval(0x02));
    DataView view = BuildDataView(set, {});
    const auto plain = test::ParseCsv(DataViewCsv(view));
    AddIsoCheck(view, set, {});
    const auto checked = test::ParseCsv(DataViewCsv(view));
    ASSERT_TRUE(plain && checked);
    ASSERT_EQ(checked->size(), 4U);
    for (std::size_t r = 0; r < checked->size(); ++r) {
        const Fields& fields = (*checked)[r];
        ASSERT_EQ(fields.size(), kLeft + 29) << r;
        EXPECT_EQ(Fields(fields.begin(), fields.begin() + kLeft + 20), (*plain)[r]) << r;
    }
    const auto check = [&checked](std::size_t r) {
        return Fields((*checked)[r].begin() + kLeft + 20, (*checked)[r].end());
    };
    EXPECT_EQ(check(0)[0], "Тсг высш. хроматографа, МДж/м3");
    EXPECT_EQ(check(0)[1], "Тсг высш. расчет по ISO 6976, МДж/м3");
    EXPECT_EQ(check(0)[8], "Отн. плотн. отклонение, %");
    const Fields first = check(1);
    EXPECT_EQ(first[0], "37.5000");
    const double computed = std::stod(first[1]);
    EXPECT_EQ(first[1], FixedText(computed, 4));
    EXPECT_NEAR(std::stod(first[2]), (37.5 - computed) / computed * 100, 1e-3);
    EXPECT_EQ(first[2].size() - first[2].find('.'), 4U);
    EXPECT_EQ(check(2),
              (Fields{"0.0000", "---", "---", "0.7000", "---", "---", "0.0000", "---", "---"}));
    EXPECT_EQ(check(3), Fields(9, "---"));
}

TEST(DataViewCsv, MoistureRowsOfEachKind) {
    WmtMinRecord minute;
    minute.date = {24, 3, 1, 10, 3, 0};
    minute.values = {-12.5F, 12345.6F, 0.00012F, 0.0F};
    WmtMinRecord noLink = minute;
    noLink.state = 0x04;
    DataSet minutes = EmptySet(DataKind::WmtMinute);
    Add(minutes, minute);
    Add(minutes, noLink);
    const test::CsvRecords m = Records(minutes);
    ASSERT_EQ(m.size(), 3U);
    ASSERT_EQ(m[0].size(), kLeft + 4);
    EXPECT_EQ(m[0][3], "Признаки состояния влагомера");
    EXPECT_EQ(Fields(m[0].begin() + kLeft, m[0].end()),
              (Fields{"Т т.росы WDP при Рраб., °С", "Т т.росы HDP при Рраб., °С", "Р изб. WDP, bar",
                      "Прив. Т т.росы по воде к Р абс., °С"}));
    EXPECT_EQ(m[1], (Fields{"01.03.24", "10:03:00", "Норма", "Норма", "-12.500", "12346", "0.0001",
                            "0"}));
    EXPECT_EQ(m[2], (Fields{"01.03.24", "10:03:00", "0x04", "Нет связи", "0", "0", "0", "0"}));

    for (const DataKind kind : {DataKind::WmtHour, DataKind::WmtDay}) {
        DataSet set = EmptySet(kind);
        Add(set, WmtInterval(0x00));
        Add(set, WmtInterval(0x02));
        const test::CsvRecords r = Records(set);
        ASSERT_EQ(r.size(), 3U);
        EXPECT_EQ(r[0][0], "Дата начала");
        EXPECT_EQ(r[1][kLeft], "-12.500");
        EXPECT_EQ(r[2][3], "0x02");
        EXPECT_EQ(r[2][kLeft], "Выкл.");
    }
}

}  // namespace
}  // namespace zor06::gasdata
