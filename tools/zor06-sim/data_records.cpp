#include "zor06-sim/data_records.h"

#include <algorithm>

#include "gasdata/records.h"
#include "zor06-sim/gas_model.h"
#include "zor06-sim/wall_time.h"

namespace zor06::sim {
namespace {

constexpr std::uint8_t kDayCompleteFlag = 0x80;
constexpr WallTime kMinuteSlotS = 180;

// The start of a slot and the moment whose values stand for the slot (its middle, for averages).
struct SlotTimes {
    WallTime start;
    WallTime sample;
};

SlotTimes TimesOf(DataArchive archive, std::int64_t slot, int contractHour) {
    switch (archive) {
        case DataArchive::Minute:
            return {slot * kMinuteSlotS, slot * kMinuteSlotS};
        case DataArchive::Hour:
            return {slot * kSecondsPerHour, slot * kSecondsPerHour + kSecondsPerHour / 2};
        case DataArchive::Day:
            break;
    }
    const WallTime start = slot * kSecondsPerDay + contractHour * kSecondsPerHour;
    return {start, start + kSecondsPerDay / 2};
}

// Date, start and end time of an hourly or daily record.
void PutInterval(DataArchive archive, const bytes::ControllerDateTime& start, int contractHour,
                 bool complete, std::array<std::uint8_t, 3>& date,
                 std::array<std::uint8_t, 3>& from, std::array<std::uint8_t, 3>& to) {
    std::copy_n(start.begin(), 3, date.begin());
    if (archive == DataArchive::Hour) {
        from = {start[tables::kHourByte], 0, 0};
        to = {static_cast<std::uint8_t>((start[tables::kHourByte] + 1) % 24), 0, 0};
        return;
    }
    const auto hour = static_cast<std::uint8_t>(contractHour);
    from = {hour, 0, 0};
    to = {static_cast<std::uint8_t>(complete ? hour | kDayCompleteFlag : hour), 0, 0};
}

// A controller that dates a gas day by its neighbour: the record moves, its slot does not.
void ShiftDate(DataArchive archive, int days, std::array<std::uint8_t, 3>& date) {
    if (archive != DataArchive::Day || days == 0) {
        return;
    }
    bytes::ControllerDateTime d{};
    std::copy(date.begin(), date.end(), d.begin());
    const bytes::ControllerDateTime shifted = FromWallTime(ToWallTime(d) + days * kSecondsPerDay);
    std::copy_n(shifted.begin(), date.size(), date.begin());
}

template <typename Record>
std::vector<std::uint8_t> Sealed(const Record& record, bool badCrc) {
    auto bytes = record.Encode();
    gasdata::SealRecord(bytes);
    if (badCrc) {
        bytes.back() ^= 0x5A;
    }
    return {bytes.begin(), bytes.end()};
}

std::array<float, gasdata::kWmtValues> MoistureValues(WallTime at, std::uint64_t seed) {
    const auto all = MoistureAt(at, seed);
    std::array<float, gasdata::kWmtValues> values{};
    std::copy_n(all.begin(), values.size(), values.begin());
    return values;
}

}  // namespace

std::vector<std::uint8_t> MakeDataRecord(DataArchive archive, DataSource source, std::int64_t slot,
                                         int contractHour, const RecordMarks& marks,
                                         std::uint64_t seed) {
    const SlotTimes times = TimesOf(archive, slot, contractHour);
    const bytes::ControllerDateTime start = FromWallTime(times.start);
    const bool moisture = source == DataSource::Moisture;
    if (archive == DataArchive::Minute && moisture) {
        gasdata::WmtMinRecord r;
        r.date = start;
        r.state = marks.status;
        r.values = MoistureValues(times.sample, seed);
        return Sealed(r, marks.badCrc);
    }
    if (archive == DataArchive::Minute) {
        gasdata::ChrMinRecord r;
        r.date = start;
        r.state = marks.status;
        r.values = GasAt(times.sample, static_cast<int>(source), seed);
        return Sealed(r, marks.badCrc);
    }
    if (moisture) {
        gasdata::WmtHdRecord r;
        PutInterval(archive, start, contractHour, marks.dayComplete, r.date, r.start, r.end);
        ShiftDate(archive, marks.dayDateShift, r.date);
        r.status = marks.status;
        r.values = MoistureValues(times.sample, seed);
        return Sealed(r, marks.badCrc);
    }
    gasdata::ChrHdRecord r;
    PutInterval(archive, start, contractHour, marks.dayComplete, r.date, r.start, r.end);
    ShiftDate(archive, marks.dayDateShift, r.date);
    r.status = marks.status;
    r.values = GasAt(times.sample, static_cast<int>(source), seed);
    return Sealed(r, marks.badCrc);
}

}  // namespace zor06::sim
