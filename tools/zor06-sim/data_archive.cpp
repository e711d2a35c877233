#include "zor06-sim/data_archive.h"

#include <algorithm>

#include "zor06-sim/data_records.h"
#include "zor06-sim/wall_time.h"

namespace zor06::sim {
namespace {

constexpr WallTime kMinuteSlotS = 180;
constexpr std::uint8_t kDayStartFlag = 0x80;
constexpr bytes::ControllerDateTime kNoRecord{1, 1, 1, 0, 0, 0};

// Per function code: the archive, the request's length and the significant bytes of its dates.
struct RequestLayout {
    std::uint8_t code;
    DataArchive archive;
    std::size_t length;
    std::size_t dateBytes;
};

constexpr RequestLayout kLayouts[] = {
    {14, DataArchive::Minute, 13, 5},
    {15, DataArchive::Hour, 11, 4},
    {16, DataArchive::Day, 9, 3},
};

constexpr std::size_t kRunAt = 1;
constexpr std::size_t kDeviceAt = 2;
constexpr std::size_t kStartAt = 3;
constexpr std::uint8_t kMoistureDevice = 1;
constexpr std::size_t kChromatographPerReply = 2;
constexpr std::size_t kMoisturePerReply = 8;

WallTime SlotLength(DataArchive archive) {
    switch (archive) {
        case DataArchive::Minute:
            return kMinuteSlotS;
        case DataArchive::Hour:
            return kSecondsPerHour;
        case DataArchive::Day:
            break;
    }
    return kSecondsPerDay;
}

// The slot that holds the moment `t`: gas days begin at the contract hour.
std::int64_t SlotAt(DataArchive archive, WallTime t, int contractHour) {
    const WallTime shift = archive == DataArchive::Day ? contractHour * kSecondsPerHour : 0;
    return FloorDiv(t - shift, SlotLength(archive));
}

// A request's date: 3-minute and hourly periods by the moment, daily ones by the gas day's date.
std::int64_t RequestSlot(DataArchive archive, const bytes::ControllerDateTime& dt, bool rising) {
    const WallTime t = ToWallTime(dt);
    return rising ? CeilDiv(t, SlotLength(archive)) : FloorDiv(t, SlotLength(archive));
}

std::optional<bytes::ControllerDateTime> RequestDate(std::span<const std::uint8_t> bytes) {
    bytes::ControllerDateTime dt{};
    std::ranges::copy(bytes, dt.begin());
    if (!tables::IsValid(dt)) {
        return std::nullopt;
    }
    return dt;
}

}  // namespace

DataArchives::DataArchives(const DataArchiveConfig& config) : config_(config) {}

std::optional<std::int64_t> DataArchives::StartSlot(DataArchive archive, int contractHour) const {
    if (!config_.start) {
        return std::nullopt;
    }
    const WallTime start = ToWallTime(*config_.start);
    // A 3-minute record is a moment: the first is the one at or after the start. Hours and gas
    // days are intervals: the first is the one the start falls in.
    if (archive == DataArchive::Minute) {
        return CeilDiv(start, kMinuteSlotS);
    }
    return SlotAt(archive, start, contractHour);
}

// The rings fill the last two months, the last year and the last four years: 3-minute records up
// to the clock, hours and gas days up to the last one completed.
DataArchives::Ring DataArchives::RingOf(DataArchive archive, const ArchiveClock& clock) const {
    const WallTime now = ToWallTime(clock.now);
    const WallTime length = SlotLength(archive);
    const std::int64_t newest =
        SlotAt(archive, now, clock.contractHour) - (archive == DataArchive::Minute ? 0 : 1);
    int months = 48;
    WallTime after = (newest + 1) * length;  // daily: the date after the newest gas day
    if (archive == DataArchive::Minute) {
        months = 2;
        after = now + kMinuteSlotS;
    } else if (archive == DataArchive::Hour) {
        months = 12;
    }
    const std::int64_t ringStart =
        FloorDiv(ToWallTime(MonthsBack(FromWallTime(after), months)), length);
    if (config_.empty[static_cast<std::size_t>(archive)]) {
        return {newest + 1, newest, ringStart};
    }
    const std::optional<std::int64_t> start = StartSlot(archive, clock.contractHour);
    return {std::max(ringStart, start.value_or(ringStart)), newest, ringStart};
}

void DataArchives::StartBefore(const ArchiveClock& clock) {
    if (!config_.start) {
        constexpr int kYearsBefore = 5;
        config_.start = MonthsBack(clock.now, kYearsBefore * 12);
        (*config_.start)[tables::kHourByte] = static_cast<std::uint8_t>(clock.contractHour);
        (*config_.start)[tables::kMinuteByte] = 0;
        (*config_.start)[tables::kSecondByte] = 0;
    }
}

// When each archive took its first record, whether the ring still holds it or not.
std::array<bytes::ControllerDateTime, kDataArchives> DataArchives::FirstRecords(
    const ArchiveClock& clock) const {
    std::array<bytes::ControllerDateTime, kDataArchives> firsts{};
    for (int a = 0; a < kDataArchives; ++a) {
        const auto archive = static_cast<DataArchive>(a);
        const Ring ring = RingOf(archive, clock);
        const std::int64_t first = StartSlot(archive, clock.contractHour).value_or(ring.ringStart);
        if (config_.empty[static_cast<std::size_t>(a)]) {
            firsts[a] = kNoRecord;
        } else if (archive != DataArchive::Day) {
            firsts[a] = FromWallTime(first * SlotLength(archive));
        } else if (config_.start) {
            // The moment it began, flagged when that fell before the contract hour and thus on
            // the day after its gas day.
            firsts[a] = *config_.start;
            const auto ofDay = static_cast<int>(ToWallTime(*config_.start) % kSecondsPerDay);
            if (ofDay < clock.contractHour * kSecondsPerHour) {
                firsts[a][tables::kSecondByte] |= kDayStartFlag;
            }
        } else {
            firsts[a] = FromWallTime(first * kSecondsPerDay + clock.contractHour * kSecondsPerHour);
        }
    }
    return firsts;
}

bool DataArchives::Missing(DataArchive archive, DataSource source, std::int64_t slot) const {
    return std::ranges::any_of(
        config_.missing, [&](const RecordSelector& s) { return s.Matches(archive, source, slot); });
}

std::vector<std::uint8_t> DataArchives::Record(DataArchive archive, DataSource source,
                                               std::int64_t slot, int contractHour) const {
    RecordMarks marks;
    for (const RecordStatus& s : config_.statuses) {
        if (s.where.Matches(archive, source, slot)) {
            marks.status = s.status;
        }
    }
    marks.dayDateShift = config_.dayDateShift;
    marks.badCrc = std::ranges::any_of(
        config_.badCrc, [&](const RecordSelector& s) { return s.Matches(archive, source, slot); });
    if (archive == DataArchive::Day && config_.start) {
        const WallTime start = ToWallTime(*config_.start);
        marks.dayComplete = SlotAt(archive, start, contractHour) != slot ||
                            start == slot * kSecondsPerDay + contractHour * kSecondsPerHour;
    }
    return MakeDataRecord(archive, source, slot, contractHour, marks, config_.seed);
}

std::optional<std::vector<std::uint8_t>> DataArchives::Answer(std::uint8_t code,
                                                              std::span<const std::uint8_t> data,
                                                              const ArchiveClock& clock,
                                                              std::uint8_t runs) {
    const auto* layout =
        std::ranges::find_if(kLayouts, [code](const RequestLayout& l) { return l.code == code; });
    if (layout == std::end(kLayouts) || data.size() != layout->length) {
        return std::nullopt;
    }
    const std::uint8_t run = data[kRunAt];
    const std::uint8_t device = data[kDeviceAt];
    const bool moisture = device == kMoistureDevice;
    if (device > kMoistureDevice || run > 1 || (moisture && run != 0) ||
        (!moisture && (runs >> run & 1) == 0)) {
        return std::nullopt;
    }
    const std::optional<bytes::ControllerDateTime> start =
        RequestDate(data.subspan(kStartAt, layout->dateBytes));
    const std::optional<bytes::ControllerDateTime> end =
        RequestDate(data.subspan(kStartAt + layout->dateBytes, layout->dateBytes));
    if (!start || !end) {
        return std::nullopt;
    }

    const DataArchive archive = layout->archive;
    const DataSource source = moisture ? DataSource::Moisture : static_cast<DataSource>(run);
    std::optional<std::vector<std::uint8_t>>& last =
        lastReply_[static_cast<std::size_t>(archive) * kDataSources +
                   static_cast<std::size_t>(source)];
    if (config_.repeatReplies && last) {
        return last;
    }
    const Ring ring = RingOf(archive, clock);
    const std::size_t perReply = moisture ? kMoisturePerReply : kChromatographPerReply;
    const std::int64_t to = std::min(RequestSlot(archive, *end, false), ring.newest);
    std::vector<std::uint8_t> reply{0};
    for (std::int64_t slot = std::max(RequestSlot(archive, *start, true), ring.first);
         slot <= to && reply[0] < perReply; ++slot) {
        if (!Missing(archive, source, slot)) {
            const std::vector<std::uint8_t> record =
                Record(archive, source, slot, clock.contractHour);
            reply.insert(reply.end(), record.begin(), record.end());
            ++reply[0];
        }
    }
    last = reply;
    return reply;
}

}  // namespace zor06::sim
