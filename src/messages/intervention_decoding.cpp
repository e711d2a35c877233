#include "messages/intervention_decoding.h"

#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "config/distribution_editors.h"
#include "config/limits_editor.h"
#include "link/baud_rates.h"
#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

using List = std::span<const std::string_view>;

constexpr std::array<std::string_view, 37> kUnits{
    "",       "МПа",           "°С",     "В",      "A",           "%",      "МДж",    "кПа",
    "бит/с",  "МДж/м3",        "кг/м3",  "м3/ч",   "м3",          "сс/кПа", "кгс/м2", "c",
    "сс",     "мин",           "1/сс",   "кПа/cc", "кгc/см2",     "дс",     "бар",    "МПа/cc",
    "бар/cc", "кгс/см2 * сс)", "г/см3",  "мг/м3",  "мм",          "см3",    "г",      "мс",
    "мА",     "°C/кПа",        "°C/МПа", "°C/бар", "°C/(кгс/см2)"};

constexpr std::string_view kRateUnit = "бит/с";

// Weekdays count from 1; 0 shows "?" like a number past the list.
constexpr std::string_view kWeekdays[] = {"?",     "Воскресенье", "Понедельник", "Вторник",
                                          "Среда", "Четверг",     "Пятница",     "Суббота"};
constexpr std::string_view kMonths[] = {
    "Переход запрещен", "Январь",   "Февраль", "Март",   "Апрель", "Май", "Июнь", "Июль",
    "Август",           "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"};
constexpr std::string_view kTimeTypes[] = {"Летнее", "Зимнее"};
constexpr std::string_view kWriteModes[] = {"Не записывать", "В нач. часа (усл.)",
                                            "В нач. часа (безусл.)", "За сутки (безусл.)"};
constexpr std::string_view kModbusModes[] = {" ASCII", " RTU"};
constexpr std::string_view kParities[] = {"Отсутств.", "Нечетный", "Четный"};
constexpr std::string_view kChromatographs[] = {"HGC 303 (HMU)", "HGC 303 (HDM)", "Siemens",
                                                "Encal3000"};
constexpr std::string_view kMoistureMeters[] = {"TORVY 3100", "ДЕН-5К"};
constexpr std::string_view kFlowComputers[] = {"ВЕРСАНТ", "ТАРСЕЛ, ГЛ-7Н", "ЛС-4"};
constexpr std::string_view kByteOrders[] = {"Мл. адрес -- ст. байт", "Мл. адрес -- мл. байт"};
constexpr std::string_view kSendingModes[] = {"Не рассылать", "Ср. за посл. час",
                                              "Ср. за посл. сутки"};
constexpr std::string_view kShortWeekdays[] = {"Вс", "Пн", "Вт", "Ср", "Чт", "Пт", "Сб"};

// What a value rule sees: the four value bytes and where they come from.
struct ValueInput {
    const Value4& bytes;
    int table;
    int field;
    List list;
    const DecodeOptions& options;
};
using ValueRule = std::string (*)(const ValueInput&);

std::string TwoDigit(const ValueInput& in) {
    return text::Printf("  %02d", in.bytes[0]);
}
std::string Decimal(const ValueInput& in) {
    return text::Printf("%d", in.bytes[0]);
}
std::string Rate(const ValueInput& in) {
    return text::Printf("%d", link::IndexToRate(in.bytes[0]));
}
std::string ListItem(const ValueInput& in) {
    return in.bytes[0] < in.list.size() ? std::string(in.list[in.bytes[0]]) : "?";
}
std::string Present(const ValueInput& in) {
    return in.bytes[0] != 0 ? "Есть" : "Нет";
}
std::string YesNo(const ValueInput& in) {
    return in.bytes[0] != 0 ? "Да" : "Нет";
}
std::string Hex(const ValueInput& in) {
    return text::Printf("0x %02X", in.bytes[0]);
}
std::string Hex2(const ValueInput& in) {
    return text::Printf(" 0x%02X", in.bytes[0]);
}
// The controller stores 0 for summer time and 128 for winter time; any value but 0 is winter.
std::string TimeType(const ValueInput& in) {
    return std::string(kTimeTypes[in.bytes[0] != 0 ? 1 : 0]);
}

std::string Hours(const ValueInput& in) {
    return text::Printf("%dч", in.bytes[0]);
}

// A day of a clock change: a day of the month, or the n-th (or last) weekday of the month.
std::string DayCode(const ValueInput& in) {
    const int b = in.bytes[0];
    if ((b & 0x80) == 0) {
        return text::Printf("%d", b & 0x1F);
    }
    const int ordinal = b & 0x07;
    const int weekday = (b >> 3) & 0x07;
    if (ordinal < 1 || ordinal > 3 || weekday < 1) {
        return "?";
    }
    constexpr std::string_view kNumbered[] = {"1", "2", "3"};
    constexpr std::string_view kFromEnd[] = {"п", "пп", ""};
    const std::string_view word = (b & 0x40) != 0 ? kFromEnd[ordinal - 1] : kNumbered[ordinal - 1];
    return std::string(word) + std::string(kShortWeekdays[weekday - 1]);
}

std::string Name(const ValueInput& in) {
    std::array<std::uint8_t, 4> bytes = in.bytes;
    if (in.options.namesInCp866) {
        text::ToCp1251(bytes);
    }
    return NameText(bytes) + "...";
}

std::string Float(const ValueInput& in) {
    const float value = FloatOf(in.bytes);
    if (!std::isfinite(value)) {
        return "?";
    }
    // The sum of the components and the gas temperature have no limits, hence no decimals of
    // their own: they print as the fields past the gas parameters do.
    const bool ranged = in.field < config::kGasParameterCount && config::GasParameterUsed(in.field);
    const int decimals = ranged ? config::LimitRangeOf(in.table - 22, in.field).decimals : 4;
    return config::FixedText(value, decimals);
}

// What the name of a parameter is made of.
enum class NameKind {
    Fixed,     // the text as it is
    Numbered,  // the text with f + 1 for fields 0..15, the fallback text beyond
    Gas,       // the text (with "%s") filled with the gas-parameter name, " ?" beyond 19
    Reserve,   // a reserved field: no values
};

struct Entry {
    int table;
    int field;  // kAnyField for all fields of the table
    NameKind kind;
    std::string_view name;
    ValueRule value = nullptr;  // none: no values shown
    List list{};
    std::string_view fallback{};
};

constexpr int kAnyField = -1;

Entry Fixed(int t, int f, std::string_view name, ValueRule rule = nullptr, List list = {}) {
    return {t, f, NameKind::Fixed, name, rule, list, {}};
}
Entry Reserve(int t, int f) {
    return {t, f, NameKind::Reserve, {}, nullptr, {}, {}};
}
Entry Numbered(int t, std::string_view name, std::string_view fallback, ValueRule rule,
               List list = {}) {
    return {t, kAnyField, NameKind::Numbered, name, rule, list, fallback};
}
Entry Gas(int t, std::string_view prefix, ValueRule rule, List list = {}) {
    return {t, kAnyField, NameKind::Gas, prefix, rule, list, {}};
}

const std::vector<Entry>& Entries() {
    static const std::vector<Entry> entries{
        Fixed(2, 0, "Время, год", TwoDigit),
        Fixed(2, 1, "Время, месяц", TwoDigit),
        Fixed(2, 2, "Время, день", TwoDigit),
        Fixed(2, 3, "Время, час", TwoDigit),
        Fixed(2, 4, "Время, минута", TwoDigit),
        Fixed(2, 5, "Время, секунда", TwoDigit),
        Fixed(2, 6, "Время, день недели", ListItem, kWeekdays),
        Fixed(2, 7, "Тип времени", TimeType),
        Fixed(3, 0, "Адрес контроллера", Decimal),
        Fixed(3, 1, "Скорость обмена с ВУ", Rate),
        Fixed(3, 2, "Кол. преамбул при ответе ВУ", Decimal),
        Reserve(3, 3),
        Fixed(4, kAnyField, "Параметры доступа пользователя"),
        Fixed(5, 0, "Наименование контроллера", Name),
        Fixed(5, 1, "Наимен. нитки 1 хроматографа", Name),
        Fixed(5, 2, "Наимен. нитки 2 хроматографа", Name),
        Fixed(6, 0, "Месяц перехода на летнее время", ListItem, kMonths),
        Fixed(6, 1, "День перехода на летнее время", DayCode),
        Fixed(6, 2, "Час перехода на летнее время", Decimal),
        Fixed(6, 3, "Месяц перехода на зимнее время", ListItem, kMonths),
        Fixed(6, 4, "День перехода на зимнее время", DayCode),
        Fixed(6, 5, "Час перехода на зимнее время", Decimal),
        Fixed(6, 6, "Контрактный час", Decimal),
        Fixed(6, 7, "Наличие подключенного хроматографа", Present),
        Fixed(6, 8, "Наличие подключенного влагомера", Present),
        Fixed(6, 9, "Наличие подключенных ВРГ", Present),
        Fixed(6, 10, "Синхронизировать время контр. с ВРГ", YesNo),
        Fixed(6, 11, "Синхронизировать время контр. с PC", YesNo),
        Fixed(9, 0, "Количество подключенных ВРГ", Decimal),
        Fixed(9, 1, "Скорость обмена c ВРГ", Rate),
        Fixed(9, 2, "Количество неудачных опросов ВРГ", Decimal),
        Fixed(9, 3, "Таймаут ожидания ответа от ВРГ", Decimal),
        Fixed(9, 4, "Кол. преамбул  в запросе к вычислителю РГ", Decimal),
        Fixed(9, 5, "Режим записи параметров газа в ВРГ", ListItem, kWriteModes),
        Numbered(13, "Пароль на запись в ВРГ %d", "Пароль на запись в ВРГ № ?", nullptr),
        Fixed(14, 0, "Адрес хроматографа", Decimal),
        Fixed(14, 1, "Скорость обмена c хроматографом", Rate),
        Fixed(14, 2, "Режим обмена MODBUS с хроматографом", ListItem, kModbusModes),
        Fixed(14, 3, "Тип четности хроматографа", ListItem, kParities),
        Fixed(14, 4, "Таймаут ожидания ответа от хроматографа", Decimal),
        Fixed(14, 5, "Кол. неудачных опросов хроматографа", Decimal),
        Fixed(14, 6, "Тип хроматографа", ListItem, kChromatographs),
        Fixed(14, 7, "Задейств. нитки хроматографа", Hex),
        Fixed(14, 8, "Синхронизировать время хром. с ВРГ", YesNo),
        Fixed(14, 9, "Синхронизировать время хром. с PC", YesNo),
        Fixed(14, 10, "Индекс ВРГ для чтения Тг в нитку 1 хром.", Decimal),
        Fixed(14, 11, "Номер нитки ВРГ для чтения Тг в нитку 1 хром.", Decimal),
        Fixed(14, 12, "Индекс ВРГ для чтения Тг в нитку 2 хром.", Decimal),
        Fixed(14, 13, "Номер нитки ВРГ для чтения Тг в нитку 2 хром.", Decimal),
        Fixed(15, 0, "Адрес влагомера", Decimal),
        Fixed(15, 1, "Скорость обмена c влагомером", Rate),
        Fixed(15, 2, "Режим обмена MODBUS с влагомером", ListItem, kModbusModes),
        Fixed(15, 3, "Тип четности влагомера", ListItem, kParities),
        Fixed(15, 4, "Таймаут ожидания ответа от влагомера", Decimal),
        Fixed(15, 5, "Кол. неудачных опросов влагомера", Decimal),
        Fixed(15, 6, "Тип влагомера", ListItem, kMoistureMeters),
        Reserve(15, 7),
        Numbered(17, "Тип ВРГ %d", "Тип ВРГ  № ?", ListItem, kFlowComputers),
        Numbered(18, "Адрес подключенного ВРГ %d", "Адрес подключенного ВРГ № ?", Decimal),
        Numbered(19, "Необходимость записи парам. газа для т/п ВРГ %d",
                 "Необходимость записи парам. газа для т/п ВРГ ?", Hex2),
        Numbered(20, "Порядок байтов многоб. перем. ВРГ %d",
                 "Порядок байтов многоб. перем. ВРГ № ?", ListItem, kByteOrders),
        Gas(21, "НР   %s", ListItem, kSendingModes),
        Gas(22, "ЗН   %s", Float),
        Gas(23, "НПУ  %s", Float),
        Gas(24, "ВПУ  %s", Float),
        Gas(25, "НДП  %s", Float),
        Gas(26, "ВДП  %s", Float),
        Fixed(28, 0, "Период рассылки параметров газа в ВРГ", Hours),
        Reserve(28, 1),
    };
    return entries;
}

const Entry* Find(int table, int field) {
    for (const Entry& e : Entries()) {
        if (e.table == table && (e.field == kAnyField || e.field == field)) {
            return &e;
        }
    }
    return nullptr;
}

std::string NameOf(const Entry& e, int table, int field) {
    constexpr int kNumberedFields = 16;
    switch (e.kind) {
        case NameKind::Fixed:
            return std::string(e.name);
        case NameKind::Numbered:
            return field < kNumberedFields ? text::Printf(std::string(e.name).c_str(), field + 1)
                                           : std::string(e.fallback);
        case NameKind::Gas: {
            std::string gas = " ?";
            if (field < config::kGasParameterCount) {
                std::string_view n = config::GasParameterName(field);
                while (!n.empty() && n.front() == ' ') {
                    n.remove_prefix(1);
                }
                while (!n.empty() && n.back() == ' ') {
                    n.remove_suffix(1);
                }
                gas = std::string(n);
            }
            return text::Printf(std::string(e.name).c_str(), gas.c_str());
        }
        case NameKind::Reserve:
            return text::Printf("Табл.%d.  Резервное поле № %d", table, field);
    }
    return {};
}

}  // namespace

std::string_view UnitText(int code) {
    return code >= 0 && static_cast<std::size_t>(code) < kUnits.size()
               ? kUnits[static_cast<std::size_t>(code)]
               : "?";
}

MessageRow DecodeIntervention(const InterventionRecord& r, const DecodeOptions& options) {
    MessageRow row;
    row[0] = text::Printf("    %02d.%02d.%02d", r.when[2], r.when[1], r.when[0]);
    row[1] = text::Printf("    %02d:%02d:%02d", r.when[3], r.when[4], r.when[5]);
    row[5] = std::string(UnitText(r.unit));
    row[6] = NameText(r.user);

    const Entry* e = Find(r.table, r.field);
    if (e == nullptr) {
        row[2] = text::Printf("Табл. %d;  Поле %d", r.table, r.field);
        return row;
    }
    row[2] = NameOf(*e, r.table, r.field);
    const ValueRule rule = e->value;
    if (rule == nullptr) {
        return row;
    }
    row[3] = rule({r.oldValue, r.table, r.field, e->list, options});
    row[4] = rule({r.newValue, r.table, r.field, e->list, options});
    if (rule == Rate) {
        row[5] = std::string(kRateUnit);
    }
    return row;
}

}  // namespace zor06::messages
