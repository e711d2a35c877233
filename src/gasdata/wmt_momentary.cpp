#include "gasdata/wmt_momentary.h"

#include <bit>

#include "gasdata/wmt_view_model.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

constexpr std::array<const char*, kWmtMomentaryValues> kLabels{
    " PV21 – Температура точки росы газа по воде WDP при рабочем давлении,  °C",
    " PV22 – Температура точки росы газа по углеводородам HDP при рабочем давлении,  °C",
    " PV23 – Избыточное давление газа WDP,  bar",
    " PV24 – Прив. температура точки росы газа по воде к абсолютному давлению 3,92 МПа,  °С",
    " PV25 – Избыточное давление  газа HDP,  bar",
};

constexpr std::size_t kFirstValue = 8;  // after the date field and the time field

float FloatAt(std::span<const std::uint8_t, kWmtMomentaryBytes> bytes, std::size_t at) {
    return std::bit_cast<float>(std::uint32_t{bytes[at]} | std::uint32_t{bytes[at + 1]} << 8 |
                                std::uint32_t{bytes[at + 2]} << 16 |
                                std::uint32_t{bytes[at + 3]} << 24);
}

}  // namespace

WmtMomentary WmtMomentaryContent(std::span<const std::uint8_t, kWmtMomentaryBytes> f) {
    WmtMomentary content;
    content.dateTime =
        text::Printf("%02d.%02d.%02d %02d:%02d:%02d", f[2], f[1], f[0], f[4], f[5], f[6]);
    for (std::size_t i = 0; i < content.values.size(); ++i) {
        content.values[i] = {kLabels[i], WmtNumberCell(FloatAt(f, kFirstValue + 4 * i))};
    }
    return content;
}

}  // namespace zor06::gasdata
