#include "gasdata/chr_view_model.h"

#include <gtest/gtest.h>

#include <limits>

#include "data_set_builders.h"
#include "gasdata/data_view_model.h"
#include "gasdata/display_conversion.h"

namespace zor06::gasdata {
namespace {

using testing::Add;
using testing::EmptySet;

constexpr int kMethaneColumn = 8;
constexpr int kDensityColumn = 16;  // parameter 12 in display order

ChrValues Gas(float methane) {
    ChrValues p;
    p.v[1] = 1.5F;
    p.v[kMethane] = methane;
    p.v[12] = 0.7F;
    p.v[16] = 15.0F;
    return p;
}

ChrMinRecord Minute(std::uint8_t state, std::uint16_t word = 0, float methane = 94.0F) {
    ChrMinRecord r;
    r.date = {24, 3, 1, 10, 3, 0};
    r.state = state;
    r.statusWord = word;
    r.values = Gas(methane);
    return r;
}

ChrHdRecord Interval(std::uint8_t status, float methane = 94.0F, std::uint8_t endHour = 11) {
    ChrHdRecord r;
    r.date = {24, 3, 1};
    r.start = {10, 0, 0};
    r.end = {endHour, 0, 0};
    r.status = status;
    r.values = Gas(methane);
    return r;
}

DataView MinuteView(const ChrMinRecord& r, const settings::ReportConfig& config = {}) {
    DataSet set = EmptySet(DataKind::ChrMinute);
    Add(set, r);
    return ChrDataView(set, config);
}

DataView IntervalView(DataKind kind, const ChrHdRecord& r,
                      const settings::ReportConfig& config = {}) {
    DataSet set = EmptySet(kind);
    Add(set, r);
    return ChrDataView(set, config);
}

TEST(ChrDataView, CaptionsNameSerialRunAndPeriod) {
    EXPECT_EQ(ChrDataView(EmptySet(DataKind::ChrMinute), {}).caption,
              "Мгновенные данные хроматографа (сер. № 12345; нитка \"Нитка 1\") за период  с  "
              "01.03.24 10:00:00  по  01.03.24 12:57:00");
    EXPECT_EQ(ChrDataView(EmptySet(DataKind::ChrHour), {}).caption,
              "Часовые данные хроматографа (сер. № 12345; нитка \"Нитка 1\") за период с "
              "01.03.24  10ч  по  02.03.24  09ч");
    EXPECT_EQ(ChrDataView(EmptySet(DataKind::ChrDay), {}).caption,
              "Суточные данные хроматографа (сер. № 12345; нитка \"Нитка 1\") за период с "
              "01.03.24  по  05.03.24");
    settings::ReportConfig iso;
    iso.calcFormula = 2;
    EXPECT_EQ(ChrDataView(EmptySet(DataKind::ChrHour), iso).caption,
              "Часовые данные хроматографа (сер. № 12345; нитка \"Нитка 1\"; расчет по ISO "
              "6976:2016, t сгор. 25 °C, t изм. 20 °C) за период с 01.03.24  10ч  по  02.03.24  "
              "09ч");
}

TEST(ChrDataView, ColumnsFollowTheDisplayOrderAndStatusColumnsStartHidden) {
    settings::ReportConfig config;
    config.decimals[12] = 2;
    config.composition = 1;
    const DataView minute = ChrDataView(EmptySet(DataKind::ChrMinute), config);
    ASSERT_EQ(minute.valueHeadings.size(), 20U);
    EXPECT_EQ(minute.valueParameters, (std::vector<int>{0,  1,  2,  3,  4,  5,  6,  7,  8,  9,
                                                        10, 15, 11, 18, 13, 17, 12, 19, 14, 16}));
    EXPECT_EQ(minute.valueHeadings[11].lines[0], "Сумма ОД");
    EXPECT_EQ(minute.valueHeadings[kDensityColumn].lines[0], "Плотность");
    EXPECT_EQ(minute.valueDecimals[kDensityColumn], 2);
    EXPECT_EQ(minute.statusColumns, (std::vector<int>{2, 3}));
    EXPECT_FALSE(minute.startAtLastRow);
    const DataView hour = ChrDataView(EmptySet(DataKind::ChrHour), config);
    EXPECT_EQ(hour.statusColumns, std::vector<int>{3});
    EXPECT_TRUE(hour.startAtLastRow);
}

TEST(ChrDataView, MinuteStateDecidesTheCells) {
    struct Case {
        std::uint8_t state;
        std::uint16_t word;
        const char* stateCell;
        const char* wordCell;
        const char* methaneCell;
        bool counted;
    };
    const Case cases[] = {
        {0x00, 0x0000, "Норма", " Норма", " 94.0000", true},
        {0x10, 0x0102, "  0x10", " 0x0102", " 94.0000", true},
        {0x02, 0x0001, "  0x02", "", " Выкл.", false},
        {0x82, 0x0000, "  0x82", "", " Выкл.", false},  // switched off before calibration
        {0x22, 0x0000, "  0x22", "", " Выкл.", false},  // and before no link
        {0x20, 0x0001, "  0x20", " Нет связи", "       0", false},
        {0xA0, 0x0000, "  0xA0", " Нет связи", "       0", false},
        {0x80, 0x0000, "  0x80", " Норма", " Калибр.", false},
    };
    for (const Case& c : cases) {
        const DataRow row = MinuteView(Minute(c.state, c.word)).rows.at(0);
        EXPECT_EQ(row.left,
                  (std::vector<std::string>{"  01.03.24", "  10:03:00", c.stateCell, c.wordCell}))
            << int{c.state};
        EXPECT_EQ(row.values[kMethaneColumn], c.methaneCell) << int{c.state};
        EXPECT_EQ(row.counted, c.counted) << int{c.state};
        EXPECT_EQ(row.numbers[kMethaneColumn].has_value(), c.counted) << int{c.state};
        EXPECT_EQ(row.signs.state, c.state);
        EXPECT_EQ(row.signs.statusWord, c.word);
    }
}

TEST(ChrDataView, MinuteRowCarriesItsSignsCaptionAndConvertedNumbers) {
    settings::ReportConfig config;
    config.decimals[12] = 2;
    const DataRow row = MinuteView(Minute(0), config).rows.at(0);
    EXPECT_EQ(row.signs.mode, 0);
    EXPECT_EQ(row.signs.caption, " Мгновенные 5-минутные данные (01.03.24  10:03:00)");
    EXPECT_EQ(row.values[1], "  1.5000");
    EXPECT_EQ(row.values[kDensityColumn], "    0.70");
    EXPECT_FLOAT_EQ(static_cast<float>(*row.numbers[kDensityColumn]), 0.7F);
}

TEST(ChrDataView, BadCrcRowsAreMarkedAndNotAveraged) {
    DataSet set = EmptySet(DataKind::ChrMinute);
    Add(set, Minute(0, 0, 90.0F));
    Add(set, Minute(0, 0, 10.0F), false);
    Add(set, Minute(0, 0, 94.0F));
    Add(set, Minute(0x20, 0, 10.0F));
    const DataView view = ChrDataView(set, {});
    const DataRow& bad = view.rows.at(1);
    EXPECT_FALSE(bad.crcValid);
    EXPECT_FALSE(bad.counted);
    EXPECT_EQ(bad.left, (std::vector<std::string>{"     Данные", "недостов.", "", ""}));
    EXPECT_EQ(bad.values, std::vector<std::string>(20));
    EXPECT_DOUBLE_EQ(view.averages[kMethane], 92.0);
    EXPECT_DOUBLE_EQ(view.averages[1], 1.5);

    DataSet hour = EmptySet(DataKind::ChrHour);
    Add(hour, Interval(0), false);
    const DataView badHour = ChrDataView(hour, {});
    EXPECT_EQ(badHour.rows.at(0).left[0], "     Данные");
    EXPECT_EQ(badHour.rows.at(0).left[1], "недостов.");
}

TEST(ChrDataView, AValueThatIsNotANumberOrInfiniteMakesItsColumnsAverageNan) {
    for (const float odd :
         {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        DataSet set = EmptySet(DataKind::ChrMinute);
        ChrMinRecord broken = Minute(0, 0, 90.0F);
        broken.values.v[16] = odd;  // gas temperature
        broken.values.v[1] = 2.0F;
        Add(set, broken);
        ChrMinRecord fine = Minute(0, 0, 94.0F);
        fine.values.v[16] = 12.0F;
        fine.values.v[1] = 1.0F;
        Add(set, fine);
        const DataView view = ChrDataView(set, {});
        EXPECT_EQ(gasdata::FixedText(view.averages[16], 2), "NAN") << odd;
        EXPECT_DOUBLE_EQ(view.averages[1], 1.5);
        EXPECT_EQ(view.rows[0].values.back(), "     NAN");
    }
}

TEST(ChrDataView, AveragesAreZeroWhenNoRecordCounts) {
    DataSet set = EmptySet(DataKind::ChrHour);
    Add(set, Interval(0x02));
    EXPECT_EQ(ChrDataView(set, {}).averages, (std::array<double, 20>{}));
}

TEST(ChrDataView, IntervalValuesAreUsableByStatusAndMethane) {
    settings::ReportConfig corrected;
    corrected.methaneCorrection = 1;
    struct Case {
        std::uint8_t status;
        float methane;
        settings::ReportConfig config;
        const char* statusCell;
        const char* methaneCell;
        const char* propaneCell;
        bool counted;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {0x00, 94.0F, {}, "    Норма", "94.0000 ", " 1.5000 ", true},
        {0x01, 94.0F, {}, "     0x01", "94.0000\"", " 1.5000\"", true},
        {0x08, 0.001F, {}, "     0x08", " 0.0010\"", " 1.5000\"", true},
        {0x02, 94.0F, {}, "     0x02", " ---", " ---", false},
        {0x20, 94.0F, {}, "     0x20", " ---", " ---", false},
        {0x00, 0.0005F, {}, "    Норма", " ---", " ---", false},
        {0x00, nan, {}, "    Норма", " ---", " ---", false},
        {0x00, 0.0F, corrected, "    Норма", "98.5000 ", " 1.5000 ", true},
    };
    for (const Case& c : cases) {
        const DataRow row =
            IntervalView(DataKind::ChrHour, Interval(c.status, c.methane), c.config).rows.at(0);
        EXPECT_EQ(row.left, (std::vector<std::string>{"   01.03.24", "   10:00:00", "   11:00:00",
                                                      c.statusCell}))
            << int{c.status} << " " << c.methane;
        EXPECT_EQ(row.values[kMethaneColumn], c.methaneCell) << c.methane;
        EXPECT_EQ(row.values[1], c.propaneCell) << c.methane;
        EXPECT_EQ(row.counted, c.counted) << c.methane;
        EXPECT_EQ(row.signs.mode, 1);
        EXPECT_EQ(row.signs.state, c.status);
    }
}

TEST(ChrDataView, DailyEndTimeIsStarredWithoutTheFlag) {
    const DataRow flagged = IntervalView(DataKind::ChrDay, Interval(0, 94, 0x8A)).rows.at(0);
    EXPECT_EQ(flagged.left[2], "   10:00:00");
    EXPECT_EQ(flagged.signs.caption, " Суточные данные с 01.03.24 10:00:00 по 10:00:00");
    const DataRow plain = IntervalView(DataKind::ChrDay, Interval(0, 94, 0x0A)).rows.at(0);
    EXPECT_EQ(plain.left[2], "   10:00:00*");
    EXPECT_EQ(plain.signs.caption, " Суточные данные с 01.03.24 10:00:00 по 10:00:00*");
    const DataRow hourly = IntervalView(DataKind::ChrHour, Interval(0, 94, 11)).rows.at(0);
    EXPECT_EQ(hourly.signs.caption, " Часовые данные с 01.03.24 10:00:00 по 11:00:00");
}

TEST(DataViewModel, ChoosesTheViewByTheKindOfTheSet) {
    settings::ReportConfig volume;
    volume.composition = 1;
    const DataView chr = BuildDataView(EmptySet(DataKind::ChrDay), volume);
    EXPECT_EQ(chr.valueHeadings.at(1).lines[0], "ОД");
    const DataView wmt = BuildDataView(EmptySet(DataKind::WmtDay), volume);
    EXPECT_EQ(wmt.valueHeadings.size(), 4U);
    EXPECT_EQ(wmt.kind, DataKind::WmtDay);
    EXPECT_TRUE(ChrDataView(EmptySet(DataKind::WmtHour), {}).valueHeadings.empty());
}

}  // namespace
}  // namespace zor06::gasdata
