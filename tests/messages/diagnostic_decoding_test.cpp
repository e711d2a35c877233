// Diagnostic records into row texts: event, object or reason, values and unit.
#include "messages/diagnostic_decoding.h"

#include <cmath>
#include <limits>

#include <gtest/gtest.h>

namespace zor06::messages {
namespace {

DiagnosticRecord Record(int event, int object, int index, Value4 first = {}, Value4 second = {}) {
    DiagnosticRecord r;
    r.when = {26, 1, 2, 3, 4, 5};
    r.event = static_cast<std::uint8_t>(event);
    r.object = static_cast<std::uint8_t>(object);
    r.index = static_cast<std::uint8_t>(index);
    r.first = first;
    r.second = second;
    return r;
}

struct Case {
    const char* what;
    DiagnosticRecord record;
    const char* event;
    const char* object;
    const char* current;
    const char* setpoint;
    const char* unit;
};

TEST(DiagnosticDecodingTest, ObjectValuesAndUnitFollowTheEvent) {
    const Value4 code21 = {21, 0, 0, 0};
    const Case cases[] = {
        {"power off", Record(2, 5, 5), "Снято напряжение питания", "", "", "", ""},
        {"empty event text still shows the pair", Record(1, 5, 6), "", "Табл. = 5  Инд. = 6", "",
         "", ""},
        {"archive name", Record(4, 9, 0), "Реинициализация",
         "Диап. вр. на стр. арх. качества калибр. хромат.", "", "", ""},
        {"archive past the list", Record(4, 10, 0), "Реинициализация", " ?", "", "", ""},
        {"chromatograph error text", Record(5, 14, 0, code21), "Сбой в работе хроматографа",
         "Hardware r\u201Dset", "", "", ""},
        {"chromatograph error 0", Record(5, 14, 0), "Сбой в работе хроматографа", "Код ошибки = 0",
         "", "", ""},
        {"chromatograph error past the list", Record(5, 14, 0, {79, 0, 0, 0}),
         "Сбой в работе хроматографа", "Код ошибки = 79", "", "", ""},
        {"fault of another object", Record(5, 15, 0, code21), "Сбой в работе хроматографа", " ?",
         "", "", ""},
        {"link to the moisture meter", Record(10, 33, 1), "Пропала связь", "Влагомер", "", "", ""},
        {"link to another device", Record(10, 33, 2), "Пропала связь", "Тaбл. = 33", "", "", ""},
        {"link to a flow computer", Record(11, 34, 3), "Появилась связь",
         "Вычислитель расхода газа (Адр. = 3", "", "", ""},
        {"link of a table", Record(11, 7, 3), "Появилась связь", "Тaбл. = 7", "", "", ""},
        {"gas parameter", Record(12, 0, 8, BytesOf(89.97F), BytesOf(90.0F)),
         "Значение стало ниже нижней АУ", " Молярная доля метана", "89.970", "90.000", "%"},
        {"zero value", Record(14, 0, 11, BytesOf(0.0F), BytesOf(1234.56F)),
         "Значение стало ниже нижней ПУ", " Теплота сгорания высшая", "0", "1234.6", "МДж/м3"},
        {"unit of an index left out of the tables",
         Record(47, 0, 16, BytesOf(12345.6F), BytesOf(5.0F)), "Значение стало выше ВДП",
         " Температура газа", "12346", "5.0000", "°С"},
        {"gas index past the parameters", Record(68, 0, 20, BytesOf(-0.5F), BytesOf(999.99F)),
         "Значение стало выше верхнего предела измер.", "  ?", "-0.5000", "999.99", ""},
        {"upper alarm shows the pair", Record(18, 23, 8, BytesOf(1.0F)),
         "Значение стало ниже верхней АУ", "Табл. = 23  Инд. = 8", "", "", ""},
        {"chromatograph state", Record(22, 200, 78), "Значение стало \"ИСТИНА\"",
         "Read channel controller EDS error", "", "", ""},
        {"chromatograph state 0", Record(22, 200, 0), "Значение стало \"ИСТИНА\"", "", "", "", ""},
        {"chromatograph state past the list", Record(23, 200, 79), "Значение стало \"ЛОЖЬ\"",
         "Табл. = 200  Инд. = 79", "", "", ""},
        {"moisture-meter bit", Record(23, 201, 15), "Значение стало \"ЛОЖЬ\"", "Бит 15. Reserved",
         "", "", ""},
        {"moisture-meter bit past 15", Record(23, 201, 16), "Значение стало \"ЛОЖЬ\"",
         "Табл. = 201  Инд. = 16", "", "", ""},
        {"clock by flow computer", Record(38, 0, 0), "Скорректировано время в хроматографе",
         "По времени вычислителя", "", "", ""},
        {"clock by PC", Record(39, 0, 0), "Скорректировано время в хроматографе", "По времени PC",
         "", "", ""},
        {"memory write of a year field", Record(40, 244, 0), "Не прошла запись в EEPROM",
         "Тип времени", "", "", ""},
        {"memory write of a table", Record(41, 241, 0), "Не прошла запись в FRAM", "Таблица 241",
         "", "", ""},
        {"table destroyed", Record(42, 242, 0), "Таблица разрушена", "Таблица 242", "", "", ""},
        {"flow computer address", Record(49, 0, 17), "Параметры газа записаны в ВРГ",
         "Вычислитель РГ. Адр. = 17", "", "", ""},
        {"software change of the controller", Record(78, 41, 1),
         "Изменение программного обеспечения", "", "", "", ""},
        {"software change elsewhere", Record(78, 41, 2), "Изменение программного обеспечения",
         "Табл. = 41  Инд. = 2", "", "", ""},
        {"last known event", Record(80, 1, 2), "Значение начало обновляться", "Табл. = 1  Инд. = 2",
         "", "", ""},
        {"unknown event", Record(90, 1, 2), "Код диагностики = 90", "Табл. = 1  Инд. = 2", "", "",
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MessageRow row = DecodeDiagnostic(c.record);
        EXPECT_EQ(row[2], c.event);
        EXPECT_EQ(row[3], c.object);
        EXPECT_EQ(row[4], c.current);
        EXPECT_EQ(row[5], c.setpoint);
        EXPECT_EQ(row[6], c.unit);
    }
}

TEST(DiagnosticDecodingTest, ValuesGetFewerDecimalsTheLargerTheyAre) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {std::numeric_limits<float>::quiet_NaN(), "NAN"},
        {std::numeric_limits<float>::infinity(), "NAN"},
        {-std::numeric_limits<float>::infinity(), "NAN"},
        {0.0F, "0"},
        {-0.0F, "0"},
        {9.5F, "9.5000"},
        {-9.5F, "-9.5000"},
        {10.0F, "10.000"},
        {99.5F, "99.500"},
        {100.0F, "100.00"},
        {1000.0F, "1000.0"},
        {9999.0F, "9999.0"},
        {10000.0F, "10000"},
        {-250000.0F, "-250000"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DiagnosticValueText(c.value), c.text) << c.value;
    }
}

TEST(DiagnosticDecodingTest, DateAndTimeHaveTwoLeadingBlanks) {
    const MessageRow row = DecodeDiagnostic(Record(3, 0, 0));
    EXPECT_EQ(row[0], "  02.01.26");
    EXPECT_EQ(row[1], "  03:04:05");
}

TEST(DiagnosticDecodingTest, RecordLayoutRoundTripsAndIsChecked) {
    const auto bytes = Record(12, 7, 8, BytesOf(1.5F), BytesOf(2.5F)).Encode();
    EXPECT_TRUE(RecordValid(bytes));
    auto broken = bytes;
    broken[21] ^= 0x80;
    EXPECT_FALSE(RecordValid(broken));
    const auto back = DiagnosticRecord::Decode(bytes);
    EXPECT_EQ(back.event, 12);
    EXPECT_EQ(back.object, 7);
    EXPECT_EQ(back.index, 8);
    EXPECT_EQ(FloatOf(back.second), 2.5F);
}

}  // namespace
}  // namespace zor06::messages
