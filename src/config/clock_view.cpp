#include "config/clock_view.h"

#include <algorithm>

#include "tables/date_time_text.h"

namespace zor06::config {
namespace {

using tables::DateText;
using tables::kHourByte;
using tables::kMinuteByte;
using tables::kSecondByte;
using tables::TimeText;

constexpr std::string_view kWeekdays[] = {"Воскресенье", "Понедельник", "Вторник", "Среда",
                                          "Четверг",     "Пятница",     "Суббота"};
constexpr std::size_t kWeekdayByte = 6;
constexpr std::size_t kTimeTypeByte = 7;
constexpr std::size_t kPcSyncByte = 11;

bool SameDate(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b) {
    return std::equal(a.begin(), a.begin() + kHourByte, b.begin());
}

bool SameTime(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b) {
    return std::equal(a.begin() + kHourByte, a.end(), b.begin() + kHourByte);
}

bytes::ControllerDateTime First6(std::span<const std::uint8_t> bytes) {
    bytes::ControllerDateTime dt{};
    std::copy_n(bytes.begin(), dt.size(), dt.begin());
    return dt;
}

int MinuteSeconds(const bytes::ControllerDateTime& dt) {
    return dt[kMinuteByte] * 60 + dt[kSecondByte];
}

}  // namespace

std::string_view WeekdayName(std::uint8_t weekday) {
    return weekday >= 1 && weekday <= 7 ? kWeekdays[weekday - 1] : "?";
}

std::string_view TimeTypeName(std::uint8_t timeType) {
    return timeType == tables::kSummerTime ? "Летнее" : "Зимнее";
}

ClockView BuildClockView(std::span<const std::uint8_t, 8> clock,
                         std::span<const std::uint8_t, 6> chromatograph, double pcLocal,
                         std::span<const std::uint8_t, 12> system) {
    ClockView view;
    view.controller = First6(clock);
    const auto pcFields = tables::ClockFields(pcLocal, system.first<6>());
    view.pc = First6(pcFields);
    const bytes::ControllerDateTime chrom = First6(chromatograph);
    view.pcSyncAllowed = system[kPcSyncByte] != 0;

    ClockRow& c = view.rows[0];
    c = {"В контроллере", DateText(view.controller), TimeText(view.controller),
         std::string(WeekdayName(clock[kWeekdayByte])),
         std::string(TimeTypeName(clock[kTimeTypeByte]))};
    c.dateDiffers = !SameDate(view.controller, view.pc);
    c.timeDiffers = !SameTime(view.controller, view.pc);
    c.weekdayDiffers = clock[kWeekdayByte] != pcFields[kWeekdayByte];
    c.timeTypeDiffers = clock[kTimeTypeByte] != pcFields[kTimeTypeByte];

    view.rows[1] = {"В ЭВМ", DateText(view.pc), TimeText(view.pc),
                    std::string(WeekdayName(pcFields[kWeekdayByte])),
                    std::string(TimeTypeName(pcFields[kTimeTypeByte]))};

    ClockRow& h = view.rows[2];
    h = {"В хроматографе", DateText(chrom), TimeText(chrom), "", ""};
    h.dateDiffers = !SameDate(chrom, view.pc);
    h.timeDiffers = !SameTime(chrom, view.pc);
    return view;
}

std::int16_t TimeCorrection(const bytes::ControllerDateTime& controller,
                            const bytes::ControllerDateTime& pc) {
    if (tables::CompareTo(controller, pc, tables::kPrecisionHour) == 0) {
        return static_cast<std::int16_t>(MinuteSeconds(pc) - MinuteSeconds(controller));
    }
    if (tables::Compare6(controller, pc) > 0) {
        return static_cast<std::int16_t>(-MinuteSeconds(controller));
    }
    return static_cast<std::int16_t>(3600 - MinuteSeconds(controller));
}

}  // namespace zor06::config
