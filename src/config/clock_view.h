// The three clocks side by side (controller, PC, chromatograph) and the correction that would set
// the controller's clock from the PC's.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "tables/controller_date.h"

namespace zor06::config {

struct ClockRow {
    std::string label;    // "В контроллере", "В ЭВМ", "В хроматографе"
    std::string date;     // dd.mm.yy
    std::string time;     // hh:mm:ss
    std::string weekday;  // empty for the chromatograph
    std::string timeType;  // "Летнее" / "Зимнее"; empty for the chromatograph
    // Whether the value differs from the PC's (shown in red).
    bool dateDiffers = false;
    bool timeDiffers = false;
    bool weekdayDiffers = false;
    bool timeTypeDiffers = false;
};

struct ClockView {
    std::array<ClockRow, 3> rows;  // controller, PC, chromatograph
    bool pcSyncAllowed = false;    // table 6 byte 11
    bytes::ControllerDateTime controller{};
    bytes::ControllerDateTime pc{};
};

// "Воскресенье" .. "Суббота" for 1..7; "?" for any other byte.
std::string_view WeekdayName(std::uint8_t weekday);
// 0 summer time, anything else winter time.
std::string_view TimeTypeName(std::uint8_t timeType);

// `clock`: fields 0..7 of table 2; `chromatograph`: table 42; `pcLocal`: the PC's local time when
// the tables were read (days since 30 December 1899); `system`: bytes 0..11 of table 6.
ClockView BuildClockView(std::span<const std::uint8_t, 8> clock,
                         std::span<const std::uint8_t, 6> chromatograph, double pcLocal,
                         std::span<const std::uint8_t, 12> system);

// Seconds to add to the controller's clock C to bring it to the PC's P: within the same hour the
// difference; otherwise back to the start of C's hour when C is later, else on to the next hour.
std::int16_t TimeCorrection(const bytes::ControllerDateTime& controller,
                            const bytes::ControllerDateTime& pc);

}  // namespace zor06::config
