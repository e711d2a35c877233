#include "gasdata/wmt_momentary.h"

#include "bytes/byte_reader.h"
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

}  // namespace

WmtMomentary WmtMomentaryContent(std::span<const std::uint8_t, kWmtMomentaryBytes> f) {
    WmtMomentary content;
    content.dateTime =
        text::Printf("%02d.%02d.%02d %02d:%02d:%02d", f[2], f[1], f[0], f[4], f[5], f[6]);
    bytes::ByteReader values{f.subspan(kFirstValue)};
    for (std::size_t i = 0; i < content.values.size(); ++i) {
        content.values[i] = {kLabels[i], WmtNumberCell(values.F32())};
    }
    return content;
}

}  // namespace zor06::gasdata
