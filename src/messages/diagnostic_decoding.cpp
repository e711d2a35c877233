#include "messages/diagnostic_decoding.h"

#include <array>
#include <bit>
#include <cmath>
#include <span>
#include <vector>

#include "config/distribution_editors.h"
#include "config/limits_editor.h"
#include "tables/table_numbers.h"
#include "text/text_format.h"

namespace zor06::messages {
namespace {

using List = std::span<const std::string_view>;

constexpr std::array<std::string_view, 81> kEvents{
    "",
    "",
    "Снято напряжение питания",
    "Подано напряжение питания",
    "Реинициализация",
    "Сбой в работе хроматографа",
    "Цикл калибровки хроматографа",
    "Неудачный цикл калибровки хроматографа",
    "Выполнена верификация хроматографа",
    "Неудачная верификация хроматографа",
    "Пропала связь",
    "Появилась связь",
    "Значение стало ниже нижней АУ",
    "Значение стало выше нижней АУ",
    "Значение стало ниже нижней ПУ",
    "Значение стало выше нижней ПУ",
    "Значение стало ниже верхней ПУ",
    "Значение стало выше верхней ПУ",
    "Значение стало ниже верхней АУ",
    "Значение стало выше верхней АУ",
    "Значение стало ненормальным",
    "Значение стало нормальным",
    "Значение стало \"ИСТИНА\"",
    "Значение стало \"ЛОЖЬ\"",
    "Положение крана стало промежут.",
    "Положение крана стало \"Закрыт\"",
    "Положение крана стало \"Открыт\"",
    "Полож. крана стало неопредел. (аварийным)",
    "Команда \"Закрыть\" с пульта",
    "Команда \"Открыть\" с пульта",
    "Команда \"Открыть\" от ЭВМ пар.1",
    "Команда \"Закрыть\" от ЭВМ пар.1",
    "Команда \"Открыть\" от ЭВМ пар.2",
    "Команда \"Закрыть\" от ЭВМ пар.2",
    "Ком. \"Останов ГРС\" от ЭВМ пар.1",
    "Ком. \"Останов ГРС\" от ЭВМ пар.2",
    "Изменился код состояния крана",
    "Ком. \"Останов ГРС\" от кнопки",
    "Скорректировано время в хроматографе",
    "Скорректировано время в хроматографе",
    "Не прошла запись в EEPROM",
    "Не прошла запись в FRAM",
    "Таблица разрушена",
    "Таблица восстановлена",
    "Значение стало ниже НДП",
    "Значение стало выше НДП",
    "Значение стало ниже ВДП",
    "Значение стало выше ВДП",
    "Парам. газа не записаны в ВРГ",
    "Параметры газа записаны в ВРГ",
    "Команда не передана",
    "Команда не выполнена",
    "Выдан упр. импульс на агрегат",
    "Значение стало меньше уставки",
    "Значение стало больше уставки",
    "Знач. стало меньше или равно уставке",
    "Знач. стало больше или равно уставке",
    "Знач. признака (бит поля) стало \"ИСТИНА\"",
    "Знач. признака (бит поля) стало \"ЛОЖЬ\"",
    "Резерв",
    "Значение стало ниже нижней АУ 2",
    "Значение стало выше нижней АУ 2",
    "Значение стало ниже верхней АУ 2",
    "Значение стало выше верхней АУ 2",
    "Команда не подана",
    "Значение стало ниже нижнего предела измер.",
    "Значение стало выше нижнего предела измер.",
    "Значение стало ниже верхнего предела измер.",
    "Значение стало выше верхнего предела измер.",
    "Поле таблицы разрушено",
    "Поле таблицы восстановлено",
    "Пропало",
    "Появилось",
    "С ВУ начали поступать необн. значения",
    "С ВУ начали поступать обновл. значения",
    "Изменилась зона значения",
    "Контроллер переведен в режим \"Ручное управление\"",
    "Рестарт подключенного контроллера",
    "Изменение программного обеспечения",
    "Значение перестало обновляться",
    "Значение начало обновляться",
};

// Codes 1..78 of the chromatograph; code 0 has no text.
constexpr std::array<std::string_view, 79> kChromatographErrors{
    "",
    "Init passed (event)",
    "Pressure restored",
    "Start flush cycle",
    "Flush cycle passed",
    "TCD calibrating",
    "Too low pressure",
    "Pressure fault",
    "Low battery 1",
    "Low battery 2",
    "Sample line sensor fault",
    "Sample line temperature fault",
    "Injector temperature fault",
    "Column temperature fault",
    "TCD Temperature limit activated",
    "EDS logging error",
    "Low power supply",
    "Injector sensor fault",
    "Column temperature sensor fault",
    "TCD control error",
    "TCD calibration failed",
    "Hardware r\u201Dset",
    "Pressure too high",
    "Initialization error",
    "Internal communication error",
    "Instrument EDS incorrect",
    "EDS incorrect",
    "Internal power failure",
    "Flush cycle aborted",
    "GC module changed",
    "TCD Gain calibrated",
    "TCD Offset calibrated",
    "Null String",
    "ADC reading out of range",
    "EDS Analytical Module incorrect",
    "EDS Config checksum incorrect",
    "EDS Logbook checksum incorrect",
    "EDS Protected checksum incorrect",
    "EDS C.C. Config checksum incorrect",
    "EDS C.C. Logbook checksum incorrect",
    "EDS C.C. Protected checksum incorrect",
    "EDS A.M. Config. checksum incorrect",
    "EDS A.M. Logbook checksum incorrect",
    "EDS A.M. Protected checksum incorrect",
    "EDS Config SVER incorrect",
    "EDS Protected SVER incorrect",
    "EDS C.C. Config SVER incorrect",
    "EDS C.C. Protected SVER incorrect",
    "EDS A.M. Config SVER incorrect",
    "EDS A.M. Protected SVER incorrect",
    "Pressure Offset calibration complete",
    "Pressure Offset calibration Faile",
    "Unable to store pressure offset",
    "Temperature sensor disconnected",
    "Not ready stream",
    "Ambient pressure or temperature alarm",
    "Column cleaning",
    "Equilibrating temperature zones",
    "Код ошибки = 58",
    "Код ошибки = 59",
    "DMD control to temperature setpoint",
    "DMD start run",
    "DMD stop run",
    "DMD start tuning",
    "DMD case temperature error",
    "DMD sensor temperature error",
    "DMD method file error",
    "DMD sensor voltage error",
    "DMD RF voltage error",
    "DMD Vc voltage error",
    "DMD sensor pressure error",
    "DMD tuning process error",
    "DMD gas flow error",
    "DMD system voltage error",
    "DMD communication error",
    "DMD sensor error",
    "IOC Communication error",
    "Read main board EDS error",
    "Read channel controller EDS error",
};

constexpr std::array<std::string_view, 16> kMoistureBits{
    "Бит 0. General fault condition",
    "Бит 1. Reserved",
    "Бит 2. HCDP too high",
    "Бит 3. WDP too high",
    "Бит 4. DP below minimum temperature",
    "Бит 5. Cool rate limit",
    "Бит 6. Reserved",
    "Бит 7. Ambient temp too high",
    "Бит 8. Ambient temp too low",
    "Бит 9. Pressure too high",
    "Бит 10. Liquid in cell",
    "Бит 11. COMM failure",
    "Бит 12. Reserved",
    "Бит 13. Reserved",
    "Бит 14. Reserved",
    "Бит 15. Reserved",
};

constexpr std::array<std::string_view, 10> kArchives{
    "Архив диагностики",
    "Архив вмешательств",
    "Глобальные индексы архива диагностики",
    "Глобальные индексы архива вмешательств",
    "Диапазон времени на стр. архива диагностики",
    "Диапазон времени на стр. архива вмешательств",
    "Архив данных, связанных с авар. ситуациями",
    "Архив оценок качества калибровки хроматографа",
    "Глоб. инд. архива качества калибр. хроматографа",
    "Диап. вр. на стр. арх. качества калибр. хромат.",
};

constexpr std::array<std::string_view, 3> kYearFields{"Предыдущий год", "Базовый год",
                                                      "Тип времени"};

constexpr int kChromatographObject = 200;
constexpr int kMoistureObject = 201;
constexpr int kFirstYearField = 242;

std::string Pair(const DiagnosticRecord& r) {
    return text::Printf("Табл. = %d  Инд. = %d", r.object, r.index);
}

std::string ItemOr(List list, int i, const std::string& otherwise) {
    return i >= 0 && static_cast<std::size_t>(i) < list.size()
               ? std::string(list[static_cast<std::size_t>(i)])
               : otherwise;
}

// What a rule fills: the object cell, and for gas parameters the values and the unit.
using ObjectRule = void (*)(const DiagnosticRecord&, MessageRow&);

void Empty(const DiagnosticRecord&, MessageRow&) {}

void PairOnly(const DiagnosticRecord& r, MessageRow& row) {
    row[3] = Pair(r);
}

void ArchiveName(const DiagnosticRecord& r, MessageRow& row) {
    row[3] = ItemOr(kArchives, r.object, " ?");
}

void ChromatographFault(const DiagnosticRecord& r, MessageRow& row) {
    const int code = r.first[0];
    if (r.object != tables::kChromatographLinkTable) {
        row[3] = " ?";
    } else if (code >= 1) {
        row[3] = ItemOr(kChromatographErrors, code, text::Printf("Код ошибки = %d", code));
    } else {
        row[3] = text::Printf("Код ошибки = %d", code);
    }
}

void LinkObject(const DiagnosticRecord& r, MessageRow& row) {
    constexpr int kDevices = 33;
    constexpr int kFlowComputer = 34;
    constexpr std::string_view kDeviceNames[] = {"Хроматограф", "Влагомер"};
    const std::string table = text::Printf("Тaбл. = %d", r.object);
    if (r.object == kDevices) {
        row[3] = ItemOr(kDeviceNames, r.index, table);
    } else if (r.object == kFlowComputer) {
        row[3] = text::Printf("Вычислитель расхода газа (Адр. = %d", r.index);
    } else {
        row[3] = table;
    }
}

void GasParameter(const DiagnosticRecord& r, MessageRow& row) {
    constexpr int kUnitTableKind = 1;  // the lower warning setpoints, table 23
    row[4] = DiagnosticValueText(FloatOf(r.first));
    row[5] = DiagnosticValueText(FloatOf(r.second));
    if (r.index < config::kGasParameterCount) {
        row[3] = std::string(config::GasParameterName(r.index));
        row[6] = std::string(config::LimitRangeOf(kUnitTableKind, r.index).unit);
    } else {
        row[3] = "  ?";
    }
}

void DeviceState(const DiagnosticRecord& r, MessageRow& row) {
    if (r.object == kChromatographObject) {
        row[3] = ItemOr(kChromatographErrors, r.index, Pair(r));
    } else if (r.object == kMoistureObject) {
        row[3] = ItemOr(kMoistureBits, r.index, Pair(r));
    } else {
        row[3] = Pair(r);
    }
}

void ByFlowComputerTime(const DiagnosticRecord&, MessageRow& row) {
    row[3] = "По времени вычислителя";
}

void ByPcTime(const DiagnosticRecord&, MessageRow& row) {
    row[3] = "По времени PC";
}

void TableName(const DiagnosticRecord& r, MessageRow& row) {
    row[3] = text::Printf("Таблица %d", r.object);
}

void MemoryWrite(const DiagnosticRecord& r, MessageRow& row) {
    row[3] = ItemOr(kYearFields, r.object - kFirstYearField, text::Printf("Таблица %d", r.object));
}

void FlowComputerAddress(const DiagnosticRecord& r, MessageRow& row) {
    row[3] = text::Printf("Вычислитель РГ. Адр. = %d", r.index);
}

void SoftwareChange(const DiagnosticRecord& r, MessageRow& row) {
    if (!(r.object == 41 && r.index == 1)) {
        row[3] = Pair(r);
    }
}

struct EventRange {
    int from;
    int to;
    ObjectRule rule;
};

constexpr EventRange kRules[] = {
    {2, 3, Empty},
    {4, 4, ArchiveName},
    {5, 5, ChromatographFault},
    {6, 9, Empty},
    {10, 11, LinkObject},
    {12, 17, GasParameter},
    {22, 23, DeviceState},
    {38, 38, ByFlowComputerTime},
    {39, 39, ByPcTime},
    {40, 41, MemoryWrite},
    {42, 43, TableName},
    {44, 47, GasParameter},
    {48, 49, FlowComputerAddress},
    {60, 68, GasParameter},
    {78, 78, SoftwareChange},
};

ObjectRule RuleOf(int event) {
    for (const EventRange& r : kRules) {
        if (event >= r.from && event <= r.to) {
            return r.rule;
        }
    }
    return PairOnly;
}

}  // namespace

std::string EventText(int code) {
    return code >= 0 && static_cast<std::size_t>(code) < kEvents.size()
               ? std::string(kEvents[static_cast<std::size_t>(code)])
               : text::Printf("Код диагностики = %d", code);
}

std::string DiagnosticValueText(float value) {
    constexpr std::uint32_t kExponent = 0x7F800000;
    if ((std::bit_cast<std::uint32_t>(value) & kExponent) == kExponent) {
        return "NAN";
    }
    if (value == 0.0F) {
        return "0";
    }
    const double magnitude = std::fabs(static_cast<double>(value));
    constexpr double kBounds[] = {10, 100, 1000, 10000};
    int decimals = 0;
    for (int d = 0; d < 4; ++d) {
        if (magnitude < kBounds[d]) {
            decimals = 4 - d;
            break;
        }
    }
    return text::Printf("%.*f", decimals, static_cast<double>(value));
}

MessageRow DecodeDiagnostic(const DiagnosticRecord& r) {
    MessageRow row;
    row[0] = text::Printf("  %02d.%02d.%02d", r.when[2], r.when[1], r.when[0]);
    row[1] = text::Printf("  %02d:%02d:%02d", r.when[3], r.when[4], r.when[5]);
    row[2] = EventText(r.event);
    RuleOf(r.event)(r, row);
    return row;
}

}  // namespace zor06::messages
