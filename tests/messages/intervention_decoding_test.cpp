// Intervention records into row texts: names, value rules and units.
#include "messages/intervention_decoding.h"

#include <gtest/gtest.h>

namespace zor06::messages {
namespace {

InterventionRecord Record(int table, int field, int unit, Value4 oldValue, Value4 newValue) {
    InterventionRecord r;
    r.when = {26, 12, 9, 16, 5, 7};
    r.table = static_cast<std::uint8_t>(table);
    r.field = static_cast<std::uint8_t>(field);
    r.unit = static_cast<std::uint8_t>(unit);
    r.oldValue = oldValue;
    r.newValue = newValue;
    r.user = {'A', 'd', 'm', '1'};
    return r;
}

Value4 Byte(int b) {
    return {static_cast<std::uint8_t>(b), 0, 0, 0};
}

struct Case {
    const char* what;
    int table;
    int field;
    int unit;
    Value4 oldValue;
    Value4 newValue;
    const char* name;
    const char* oldText;
    const char* newText;
    const char* unitText;
};

TEST(InterventionDecodingTest, NamesValuesAndUnitsFollowTheDecodingTable) {
    const Case cases[] = {
        {"two-digit", 2, 4, 0, Byte(5), Byte(59), "Время, минута", "  05", "  59", ""},
        {"weekday list starts at 1", 2, 6, 0, Byte(0), Byte(7), "Время, день недели", "?",
         "Суббота", ""},
        {"winter time is any non-zero", 2, 7, 0, Byte(0), Byte(128), "Тип времени", "Летнее",
         "Зимнее", ""},
        {"winter time from another non-zero", 2, 7, 0, Byte(1), Byte(255), "Тип времени", "Зимнее",
         "Зимнее", ""},
        {"rate replaces the unit", 3, 1, 5, Byte(11), Byte(15), "Скорость обмена с ВУ", "9600",
         "19200", "бит/с"},
        {"rate past the list", 9, 1, 0, Byte(21), Byte(22), "Скорость обмена c ВРГ", "230400", "0",
         "бит/с"},
        {"reserve field", 3, 3, 1, Byte(1), Byte(2), "Табл.3.  Резервное поле № 3", "", "", "МПа"},
        {"whole table, no values", 4, 9, 0, Byte(1), Byte(2), "Параметры доступа пользователя", "",
         "", ""},
        {"name",
         5,
         0,
         0,
         {'G', 'R', 'S', '1'},
         {'A', 'B', 0, 0},
         "Наименование контроллера",
         "GRS1...",
         "AB...",
         ""},
        {"months", 6, 3, 0, Byte(0), Byte(13), "Месяц перехода на зимнее время", "Переход запрещен",
         "?", ""},
        {"day code", 6, 1, 0, Byte(0x0F), Byte(0xC9), "День перехода на летнее время", "15", "пВс",
         ""},
        {"day code numbered, last of three", 6, 4, 0, Byte(0x83 | (7 << 3)), Byte(0xC3 | (2 << 3)),
         "День перехода на зимнее время", "3Сб", "Пн", ""},
        {"day code out of range", 6, 1, 0, Byte(0x84 | (1 << 3)), Byte(0x81),
         "День перехода на летнее время", "?", "?", ""},
        {"present", 6, 7, 0, Byte(0), Byte(3), "Наличие подключенного хроматографа", "Нет", "Есть",
         ""},
        {"yes-no", 6, 11, 0, Byte(0), Byte(1), "Синхронизировать время контр. с PC", "Нет", "Да",
         ""},
        {"password never shown", 13, 2, 0, Byte(1), Byte(2), "Пароль на запись в ВРГ 3", "", "",
         ""},
        {"password past 16", 13, 16, 0, Byte(1), Byte(2), "Пароль на запись в ВРГ № ?", "", "", ""},
        {"hex", 14, 7, 0, Byte(3), Byte(0xAB), "Задейств. нитки хроматографа", "0x 03", "0x AB",
         ""},
        {"named field of table 14", 14, 12, 0, Byte(2), Byte(4),
         "Индекс ВРГ для чтения Тг в нитку 2 хром.", "2", "4", ""},
        {"chromatograph list", 14, 6, 0, Byte(3), Byte(4), "Тип хроматографа", "Encal3000", "?",
         ""},
        {"flow-computer past 16", 17, 16, 0, Byte(0), Byte(2), "Тип ВРГ  № ?", "ВЕРСАНТ", "ЛС-4",
         ""},
        {"numbered from 1", 18, 0, 0, Byte(1), Byte(247), "Адрес подключенного ВРГ 1", "1", "247",
         ""},
        {"hex2", 19, 15, 0, Byte(0), Byte(0x1F), "Необходимость записи парам. газа для т/п ВРГ 16",
         " 0x00", " 0x1F", ""},
        {"longest list item", 20, 0, 0, Byte(0), Byte(1), "Порядок байтов многоб. перем. ВРГ 1",
         "Мл. адрес -- ст. байт", "Мл. адрес -- мл. байт", ""},
        {"gas prefix keeps its blanks", 21, 1, 0, Byte(0), Byte(2), "НР   Молярная доля пропана",
         "Не рассылать", "Ср. за посл. сутки", ""},
        {"float, decimals of table 22", 22, 8, 5, BytesOf(1.5F), BytesOf(0.25F),
         "ЗН   Молярная доля метана", "1.5000", "0.2500", "%"},
        {"float, decimals of table 23", 23, 11, 9, BytesOf(40.4F), BytesOf(36.6F),
         "НПУ  Теплота сгорания высшая", "40", "37", "МДж/м3"},
        {"float of a parameter without limits", 24, 16, 0, BytesOf(12.5F), BytesOf(-3.25F),
         "ВПУ  Температура газа", "12.5000", "-3.2500", ""},
        {"float past the gas parameters", 22, 25, 0, BytesOf(2.0F), BytesOf(-1.0F), "ЗН    ?",
         "2.0000", "-1.0000", ""},
        {"float not a number",
         26,
         0,
         0,
         {0, 0, 0xC0, 0x7F},
         {0, 0, 0x80, 0x7F},
         "ВДП  Суммарная МД гексана и б.т.с.",
         "?",
         "?",
         ""},
        {"hours", 28, 0, 0, Byte(1), Byte(24), "Период рассылки параметров газа в ВРГ", "1ч", "24ч",
         ""},
        {"table without decoding", 7, 0, 3, Byte(1), Byte(2), "Табл. 7;  Поле 0", "", "", "В"},
        {"field without decoding", 2, 8, 0, Byte(1), Byte(2), "Табл. 2;  Поле 8", "", "", ""},
        {"unit past the list", 0, 0, 37, Byte(1), Byte(2), "Табл. 0;  Поле 0", "", "", "?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const MessageRow row =
            DecodeIntervention(Record(c.table, c.field, c.unit, c.oldValue, c.newValue), {});
        EXPECT_EQ(row[2], c.name);
        EXPECT_EQ(row[3], c.oldText);
        EXPECT_EQ(row[4], c.newText);
        EXPECT_EQ(row[5], c.unitText);
    }
}

TEST(InterventionDecodingTest, DateTimeAndUserHaveTheirBlanks) {
    const MessageRow row = DecodeIntervention(Record(2, 0, 0, Byte(1), Byte(2)), {});
    EXPECT_EQ(row[0], "    09.12.26");
    EXPECT_EQ(row[1], "    16:05:07");
    EXPECT_EQ(row[6], "Adm1");
}

TEST(InterventionDecodingTest, NamesKeptInCodePage866AreConverted) {
    // "АБ" in code page 866 is 0x80 0x81; in Windows-1251 0xC0 0xC1.
    const InterventionRecord r = Record(5, 1, 0, {0x80, 0x81, '1', '2'}, {'x', 'y', 'z', 'w'});
    EXPECT_EQ(DecodeIntervention(r, {.namesInCp866 = true})[3], "АБ12...");
    EXPECT_EQ(DecodeIntervention(r, {.namesInCp866 = false})[3], "ЂЃ12...");
}

TEST(InterventionDecodingTest, RecordChecksumCoversEveryByte) {
    const auto bytes = Record(3, 0, 0, Byte(1), Byte(2)).Encode();
    EXPECT_TRUE(RecordValid(bytes));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        auto broken = bytes;
        broken[i] ^= 0x01;
        EXPECT_FALSE(RecordValid(broken)) << "byte " << i;
    }
    const auto back = InterventionRecord::Decode(bytes);
    EXPECT_EQ(back.table, 3);
    EXPECT_EQ(back.newValue, Byte(2));
    EXPECT_EQ(back.user[3], '1');
}

}  // namespace
}  // namespace zor06::messages
