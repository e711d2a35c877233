#include "gasdata/data_kind.h"

#include <array>

namespace zor06::gasdata {
namespace {

using dataset::Device;

constexpr std::array<DataArchiveKind, 6> kKinds{{
    {DataKind::ChrMinute, Device::Chromatograph, Step::ThreeMinutes, 14, 1, 5, 93, 2, 0, "MIN",
     "Мгновенные данные хроматографа из архива", ".mch", "MOMDATA",
     "мгнов. данные хроматографа Encal3000 из архива 3-мин. данных", 2},
    {DataKind::ChrHour, Device::Chromatograph, Step::Hour, 15, 3, 4, 92, 2, 1, "HOU",
     "Часовые данные хроматографа из архива", ".hch", "HOURDATA",
     "часовые данные хроматографа Encal3000 из архива контроллера", 0},
    {DataKind::ChrDay, Device::Chromatograph, Step::Day, 16, 3, 3, 92, 2, 2, "DAY",
     "Суточные данные хроматографа из архива", ".dch", "DAYDATA",
     "суточные данные хроматографа Encal3000 из архива контроллера", 1},
    {DataKind::WmtMinute, Device::MoistureMeter, Step::ThreeMinutes, 14, 1, 5, 29, 8, 0, "MOM",
     "Мгновенные данные из архива", ".mwm", "MOMDATA",
     "мгновенные данные влагомера из архива 3-минутных данных", 8},
    {DataKind::WmtHour, Device::MoistureMeter, Step::Hour, 15, 3, 4, 28, 8, 1, "HOU",
     "Часовые данные влагомера из архива", ".hwm", "HOURDATA",
     "часовые данные влагомера из архива контроллера", 6},
    {DataKind::WmtDay, Device::MoistureMeter, Step::Day, 16, 3, 3, 28, 8, 2, "DAY",
     "Суточные данные влагомера из архива", ".dwm", "DAYDATA",
     "суточные данные влагомера из архива контроллера zor_05", 7},
}};

}  // namespace

const DataArchiveKind& KindOf(DataKind kind) {
    return kKinds[static_cast<std::size_t>(kind)];
}

bool IsChromatograph(DataKind kind) {
    return KindOf(kind).device == Device::Chromatograph;
}

bool IsThreeMinute(DataKind kind) {
    return KindOf(kind).step == Step::ThreeMinutes;
}

bool IsDaily(DataKind kind) {
    return KindOf(kind).step == Step::Day;
}

}  // namespace zor06::gasdata
