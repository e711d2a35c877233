#include "config/protocol_content.h"

#include <algorithm>
#include <array>
#include <bit>

#include "bytes/byte_reader.h"
#include "config/limits_editor.h"
#include "config/protocol_texts.h"
#include "config/text_field.h"
#include "tables/date_time_text.h"
#include "tables/gas_parameters.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

using Rows = std::vector<std::vector<std::string>>;

constexpr const char* kNotConfigured = "Не законфигурировано";
constexpr const char* kFailuresLabel = "Кол. неуд. обменов подряд для диагностического сообщения";
constexpr std::size_t kChromatographAt = 205;
constexpr std::size_t kMoistureAt = 206;
constexpr std::size_t kFlowComputersAt = 207;
constexpr std::size_t kFlowCountAt = 210;
constexpr std::uint8_t kHourlyMeansMode = 2;

std::string Num(int v) {
    return text::Printf("%d", v);
}

// One of `texts` by the byte's value, or "Не законфигурировано".
template <std::size_t N>
std::string Choice(std::uint8_t v, const std::array<const char*, N>& texts) {
    return v < N ? texts[v] : kNotConfigured;
}

class Builder {
public:
    explicit Builder(const ProtocolRecord& r) : r_(r) {}

    std::uint8_t B(std::size_t offset) const { return r_.At(offset); }
    bool Connected(std::size_t offset) const { return B(offset) != 0; }

    ProtocolSection Identification() const {
        return {1,
                "Общие параметры идентификации",
                SectionKind::Fields,
                {},
                {
                    {"Признак наличия разрушенных таблиц",
                     B(116) == 0 ? "Разрушенных таблиц нет"
                                 : text::Printf("Разрушена таблица %d", B(116))},
                    {"Код типа контроллера", Num(B(117))},
                    {"Номер версии аппаратного обеспечения (АО)", Num(B(118))},
                    {"Номер версии программного обеспечения (ПО)", Num(B(119))},
                    {"Дата создания ПО", text::Printf("%02d.%02d.%02d  %02d:%02d:%02d", B(122),
                                                      B(121), B(120), B(123), B(124), B(125))},
                    {"Порядок байтов, используемый в многобайтных переменных",
                     Choice<2>(B(126), {"Мл. адрес - ст. байт", "Мл. адрес - мл. байт"})},
                    {"Возможность работы на нескольких значениях скорости обмена",
                     B(127) == 0 ? "Нет" : "Есть"},
                    {"Кодировка символов, выводимых на ЖКИ", Choice<2>(B(128), {"OEM", "ANSI"})},
                    {"Признак отсутствия возможности изменить адрес контроллера",
                     B(129) == 0 ? "Есть" : text::Printf("Нет. Адрес = %d", B(129))},
                    {"Номер последней версии протокола VKN-CC33-T",
                     text::Printf("%d.%d.%d", B(130), B(131), B(132))},
                    {"Контрольная сумма ПО контроллера", text::Printf("%u", r_.ChecksumValue())},
                }};
    }

    ProtocolSection UpperLink() const {
        return {2,
                "Параметры связи с верхним уровнем",
                SectionKind::Fields,
                {},
                {
                    {"Адрес контроллера", text::Printf("%03d", B(134))},
                    {"Скорость обмена с ВУ", BaudText(B(135))},
                    {"Кол. преамбул (байтов 0xFF) при ответе верхнему уровню", Num(B(136))},
                }};
    }

    ProtocolSection Names() const {
        const auto names = r_.Part(prc::kNames);
        return {3,
                "Наименования",
                SectionKind::Fields,
                {},
                {
                    {"Наименование контроллера", TrimmedField(names.subspan(0, 20))},
                    {"Наименование нитки 1 хроматографа", TrimmedField(names.subspan(20, 20))},
                    {"Наименование нитки 2 хроматографа", TrimmedField(names.subspan(40, 20))},
                }};
    }

    ProtocolSection System() const {
        return {4,
                "Системные параметры",
                SectionKind::Fields,
                {},
                {
                    {"Переход на летнее время", ChangeRuleText(B(198), B(199), B(200))},
                    {"Переход на зимнее время", ChangeRuleText(B(201), B(202), B(203))},
                    {"Контрактный час", text::Printf("%02d:00", B(204))},
                    {"Наличие подключенного хроматографа", ConnectedText(B(kChromatographAt))},
                    {"Наличие подключенного влагомера", ConnectedText(B(kMoistureAt))},
                    {"Наличие подключенных вычислителей", ConnectedText(B(kFlowComputersAt), true)},
                    {"Синхронизиронизация времени с вычислителем", SyncText(B(208))},
                    {"Синхронизировать время с PC", SyncText(B(209))},
                }};
    }

    // The six fields that open both MODBUS device tables (14 and 15), from `at`: address, rate,
    // exchange mode, parity, timeout and failures. `labels` name the first five.
    Rows ModbusLinkRows(std::size_t at, const std::array<const char*, 5>& labels) const {
        return {
            {labels[0], text::Printf("%03x", B(at))},
            {labels[1], BaudText(B(at + 1))},
            {labels[2], ExchangeModeText(B(at + 2))},
            {labels[3], ParityText(B(at + 3))},
            {labels[4], Num(B(at + 4))},
            {kFailuresLabel, Num(B(at + 5))},
        };
    }

    ProtocolSection Moisture() const {
        ProtocolSection s{
            5,
            "Параметры связи с влагомером",
            SectionKind::Fields,
            {},
            ModbusLinkRows(230, {"Адрес влагомера", "Скорость обмена с влагомером", "Режим обмена",
                                 "Тип четности", "Таймаут ожидания ответа от влагомера, сс"})};
        s.rows.push_back({"Тип влагомера", Choice<2>(B(236), {"TORVY 3100", "ДЕН-5К"})});
        return s;
    }

    ProtocolSection Chromatograph() const {
        const int runs = B(223) & 0x03;
        const auto run = [&](int bit, std::size_t offset) {
            return (runs & bit) != 0 ? Num(B(offset)) : std::string();
        };
        ProtocolSection s{
            6,
            "Параметры связи с хроматографом по MODBUS протоколу",
            SectionKind::Fields,
            {},
            ModbusLinkRows(216, {"Адрес хроматографа", "Скорость обмена с хроматографом",
                                 "Режим обмена MODBUS протокола", "Тип четности",
                                 "Таймаут ожидания ответа от хроматографа, сс"})};
        s.rows.insert(
            s.rows.end(),
            {
                {"Тип хроматографа",
                 Choice<4>(B(222), {"HGC 303 (HMU)", "HGC 303 (HDM)", "Siemens", "Encal3000"})},
                {"Задействованные нитки  хроматографа",
                 Choice<4>(static_cast<std::uint8_t>(runs),
                           {kNotConfigured, "Задействована нитка 1", "Задействована нитка 2",
                            "Задействованы нитки 1 и 2"})},
                {"Синхр. времени хром. в момент синхр. времени контроллера с ВРГ",
                 SyncText(B(224))},
                {"Синхр. времени хром. в момент синхр. времени контроллера с PC", SyncText(B(225))},
                {"Индекс ВРГ для чтения темп. газа для нитки 1 хроматографа", run(1, 226)},
                {"Номер нитки ВРГ, для чтения темп. газа для нитки 1 хроматографа", run(1, 227)},
                {"Индекс ВРГ для чтения темп. газа для нитки 2 хроматографа", run(2, 228)},
                {"Номер нитки ВРГ, для чтения темп. газа для нитки 2 хроматографа", run(2, 229)},
            });
        return s;
    }

    ProtocolSection FlowLine() const {
        ProtocolSection s{
            7,
            "Параметры связи с вычислителями расхода газа",
            SectionKind::Fields,
            {},
            {
                {"Количество подключенных вычислителей расхода газа", Num(B(kFlowCountAt))},
                {"Скорость обмена с вычислителями расхода газа", BaudText(B(211))},
                {kFailuresLabel, Num(B(212))},
                {"Таймаут ожидания ответа от вычислителя расхода, дс", Num(B(213))},
                {"Количество преамбул (байтов 0xFF) в запросе к вычислителю", Num(B(214))},
                {"Режим записи параметров газа в вычислитель",
                 Choice<4>(B(215),
                           {"Нет записи", "Запись изменённых ср. знач. за законч. час в нач. часа",
                            "Запись средних значений за закончившийся час",
                            "Запись средних значений за закончившиеся сутки"})},
            }};
        if (B(215) == kHourlyMeansMode) {
            static constexpr std::array<int, 7> kPeriods{1, 2, 3, 4, 6, 12, 24};
            const int period = B(prc::kPeriod.offset);
            s.rows.push_back({"Период записи средних за час значений параметров газа в ВРГ",
                              std::ranges::find(kPeriods, period) != kPeriods.end()
                                  ? text::Printf("%d ч", period)
                                  : kNotConfigured});
        }
        return s;
    }

    ProtocolSection FlowComputers() const {
        ProtocolSection s{kFlowComputersSection,
                          "Параметры вычислителей",
                          SectionKind::Table,
                          {"N", "Адр.", "Тип", "Порядок байтов", "Пар. газа для т/п 1",
                           "Пар. газа для т/п 2", "Пар. газа для т/п 3"},
                          {}};
        // The count comes from the file: never more rows than the record has flow computers.
        const std::size_t count = std::min<std::size_t>(B(kFlowCountAt), prc::kFlowTypes.size);
        for (std::size_t i = 0; i < count; ++i) {
            std::vector<std::string> row{
                Num(static_cast<int>(i) + 1),
                text::Printf("%03d", B(prc::kFlowAddresses.offset + i)),
                Choice<3>(B(prc::kFlowTypes.offset + i), {"ВЕРСАНТ", "ТАРСЕЛ, ГЛ-7Н", "ЛС-4"}),
                Choice<2>(B(prc::kFlowByteOrders.offset + i),
                          {"Мл.адр. - ст.байт", "Мл.адр. - мл.байт"})};
            if (row[2] == kNotConfigured) {
                row[2] = "Не законфигурир.";
            }
            if (row[3] == kNotConfigured) {
                row[3] = "Не законфигур.";
            }
            const std::uint8_t necessity = B(prc::kFlowNecessity.offset + i);
            for (int pipe = 0; pipe < 3; ++pipe) {
                row.push_back((necessity >> pipe & 1) == 0         ? "Нет записи"
                              : (necessity >> (pipe + 4) & 1) != 0 ? "Нитка 2 хроматографа"
                                                                   : "Нитка 1 хроматографа");
            }
            s.rows.push_back(std::move(row));
        }
        return s;
    }

    ProtocolSection GasParameters() const;

private:
    const ProtocolRecord& r_;
};

float LimitValue(const ProtocolRecord& r, int kind, int parameter) {
    const auto at = prc::kLimits.offset + static_cast<std::size_t>(kind * 80 + parameter * 4);
    return bytes::ByteReader(std::span(r.bytes).subspan(at, 4)).F32();
}

ProtocolSection Builder::GasParameters() const {
    ProtocolSection s{9,
                      "Параметры газа",
                      SectionKind::Table,
                      {"N", "Наименование", "Ед.изм.", "Запись в ВРГ", "Зона нечувст.", "НПУ",
                       "ВПУ", "НПИ", "ВПИ"},
                      {}};
    for (int i = 0; i < kGasParameterCount; ++i) {
        if (!tables::GasParameterChecked(i)) {
            continue;
        }
        const tables::GasParameter& p = tables::kGasParameters[static_cast<std::size_t>(i)];
        const std::uint8_t write = B(prc::kWriteChoices.offset + static_cast<std::size_t>(i));
        std::vector<std::string> row{Num(i + 1), text::Printf("   %s", p.protocolName),
                                     p.protocolUnit,
                                     write == 1   ? "Да"
                                     : write == 0 ? "Нет"
                                                  : "Не законф."};
        for (int kind = 0; kind < kLimitKinds; ++kind) {
            row.push_back(FixedText(LimitValue(r_, kind, i), LimitRangeOf(kind, i).decimals));
        }
        s.rows.push_back(std::move(row));
    }
    return s;
}

ProtocolSection Signatures() {
    const std::string line(24, '_');
    return {
        10, "", SectionKind::Signatures, {"Должность", "Фамилия", "Подпись"}, {{line, line, line}}};
}

}  // namespace

std::string ChangeRuleText(std::uint8_t month, std::uint8_t dayCode, std::uint8_t hour) {
    if (month == 0) {
        return "Переход запрещен";
    }
    return text::Printf("%s, %s, %02d:00", MonthName(month).c_str(), DayCodeText(dayCode).c_str(),
                        hour);
}

std::string CompiledByLine(const ProtocolRecord& record) {
    return text::Printf("Составлен программой zor_%02d   %s", 6,
                        tables::DateTimeText(CreationTime(record)).c_str());
}

std::string ControllerLine(const ProtocolRecord& record) {
    return text::Printf("Контроллер: \"%s\".  Адрес: %d",
                        TrimmedField(record.Part(prc::kNames).first(20)).c_str(), record.At(134));
}

ProtocolContent BuildProtocolContent(const ProtocolRecord& record) {
    const Builder b(record);
    ProtocolContent c{CompiledByLine(record), ControllerLine(record), {}, 0};
    c.sections = {b.Identification(), b.UpperLink(), b.Names(), b.System()};
    if (b.Connected(kMoistureAt)) {
        c.sections.push_back(b.Moisture());
    }
    if (b.Connected(kChromatographAt)) {
        c.sections.push_back(b.Chromatograph());
    }
    if (b.Connected(kFlowComputersAt)) {
        c.sections.push_back(b.FlowLine());
        c.sections.push_back(b.FlowComputers());
    }
    if (b.Connected(kChromatographAt)) {
        c.sections.push_back(b.GasParameters());
    }
    c.sections.push_back(Signatures());
    // Page 2 starts at the flow-computer line with a moisture meter, else at their table, or at
    // whatever follows when those are left out.
    const int first = b.Connected(kMoistureAt) ? 7 : 8;
    c.secondPageStart = static_cast<std::size_t>(
        std::ranges::find_if(c.sections, [&](const auto& s) { return s.number >= first; }) -
        c.sections.begin());
    return c;
}

}  // namespace zor06::config
