// What the moisture meter's momentary window shows, from table 37 fields 0..6: the date and time
// the values belong to and the five values under their labels.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace zor06::gasdata {

inline constexpr std::size_t kWmtMomentaryBytes = 28;  // 7 fields of 4 bytes
inline constexpr int kWmtMomentaryValues = 5;
inline constexpr char kWmtMomentaryCaption[] = " Мгновенные данные влагомера";
inline constexpr char kWmtMomentaryDateLabel[] = "Дата и время, к которым относятся данные";

struct LabelledValue {
    std::string label;
    std::string text;
};

struct WmtMomentary {
    std::string dateTime;  // dd.mm.yy hh:mm:ss
    std::array<LabelledValue, kWmtMomentaryValues> values;
};

WmtMomentary WmtMomentaryContent(std::span<const std::uint8_t, kWmtMomentaryBytes> fields);

}  // namespace zor06::gasdata
