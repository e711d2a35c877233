#include "gasdata/archive_bounds.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "tables/controller_date.h"
#include "tables/date_time_text.h"
#include "tables/table_numbers.h"
#include "text/text_format.h"

namespace zor06::gasdata {
namespace {

constexpr int kContractHourField = 6;
constexpr std::uint8_t kFirstDayFlag = 0x80;
// A start this many 3-minute steps after the oldest record is safe from the overwriting.
constexpr int kSafeSteps = 289;
// The last moment of a 3-minute slot at which the next record is not yet due.
constexpr int kLastSafeSecond = 56;

using tables::kDayByte;
using tables::kHourByte;
using tables::kMinuteByte;
using tables::kMonthByte;
using tables::kSecondByte;
using tables::kYearByte;

void ReportInvalidDate(dialogue::Operator& op, const bytes::ControllerDateTime& d) {
    op.ShowMessage(
        dialogue::MessageKind::Info,
        text::Printf("Прочитанные параметры даты и времени (%s)", tables::DateTimeText(d).c_str()),
        "не соответствуют допустимым значениям");
}

bytes::ControllerDateTime SixBytes(std::span<const std::uint8_t> field) {
    bytes::ControllerDateTime d{};
    std::copy_n(field.begin(), std::min(field.size(), d.size()), d.begin());
    return d;
}

// The controller clock from table 2, read anew; nothing (reported) when it cannot be used.
std::optional<bytes::ControllerDateTime> ReadClock(tables::TableContext& ctx) {
    if (!tables::ReadFields(ctx, {tables::kClockTable, 0, 8})) {
        return std::nullopt;
    }
    const bytes::ControllerDateTime clock = SixBytes(ctx.image.Fields(tables::kClockTable, 0, 8));
    if (!tables::IsValid(clock)) {
        ReportInvalidDate(ctx.op, clock);
        return std::nullopt;
    }
    return clock;
}

bytes::ControllerDateTime ToHour(bytes::ControllerDateTime d) {
    d[kMinuteByte] = 0;
    d[kSecondByte] = 0;
    return d;
}

bytes::ControllerDateTime ToDay(bytes::ControllerDateTime d) {
    d[kHourByte] = 0;
    return ToHour(d);
}

// `months` months from `d` (negative: back), a day the target month lacks becoming the 1st of the
// month after it.
bytes::ControllerDateTime ShiftMonths(bytes::ControllerDateTime d, int months) {
    const int index = d[kYearByte] * 12 + (d[kMonthByte] - 1) + months;
    d[kYearByte] = static_cast<std::uint8_t>(index / 12);
    d[kMonthByte] = static_cast<std::uint8_t>(index % 12 + 1);
    if (d[kDayByte] > tables::DaysInMonth(2000 + d[kYearByte], d[kMonthByte])) {
        d[kDayByte] = 1;
        return ShiftMonths(d, 1);
    }
    return d;
}

std::optional<ArchiveBounds> MinuteBounds(const bytes::ControllerDateTime& clock,
                                          const bytes::ControllerDateTime& first) {
    const bytes::ControllerDateTime newest = TruncateToThreeMinutes(clock);
    bytes::ControllerDateTime oldest =
        ShiftMonths(tables::StepThreeMinutes(clock, tables::kStepThreeMinutes), -2);
    if (tables::Compare5(first, oldest) > 0) {
        oldest = first;
    }
    oldest = TruncateToThreeMinutes(oldest);
    if (tables::Compare5(oldest, newest) > 0) {
        return std::nullopt;
    }
    ArchiveBounds b;
    std::copy_n(oldest.begin(), b.oldest.size(), b.oldest.begin());
    std::copy_n(newest.begin(), b.newest.size(), b.newest.begin());
    return b;
}

std::optional<ArchiveBounds> HourDayBounds(Step step, const bytes::ControllerDateTime& clock,
                                           const bytes::ControllerDateTime& first,
                                           bool firstDayFlag, int contractHour) {
    const bool daily = step == Step::Day;
    const int unit = daily ? tables::kStepDay : tables::kStepHour;
    const int precision = daily ? tables::kPrecisionDay : tables::kPrecisionHour;
    const auto normal = [daily](const bytes::ControllerDateTime& d) {
        return daily ? ToDay(d) : ToHour(d);
    };
    bytes::ControllerDateTime newest = tables::StepBack(ToHour(clock), unit);
    if (daily && clock[kHourByte] < contractHour) {
        newest = tables::StepBack(newest, unit);
    }
    const int years = daily ? 4 : 1;
    bytes::ControllerDateTime oldest = tables::StepForward(newest, unit);
    oldest = oldest[kYearByte] > years ? ShiftMonths(oldest, -12 * years) : first;
    if (tables::CompareTo(first, oldest, precision) > 0) {
        oldest = first;
        if (daily && firstDayFlag) {
            oldest = tables::StepBack(oldest, unit);
        }
    }
    oldest = normal(oldest);
    newest = normal(newest);
    if (tables::CompareTo(oldest, newest, precision) > 0) {
        return std::nullopt;
    }
    ArchiveBounds b;
    std::copy_n(oldest.begin(), b.oldest.size(), b.oldest.begin());
    std::copy_n(newest.begin(), b.newest.size(), b.newest.begin());
    return b;
}

bytes::ControllerDateTime Widen(const messages::Date5& d) {
    bytes::ControllerDateTime out{};
    std::copy(d.begin(), d.end(), out.begin());
    return out;
}

// Whole minutes from `a` to `b`.
long MinutesBetween(const bytes::ControllerDateTime& a, const bytes::ControllerDateTime& b) {
    return std::lround((tables::DecodeToPc(b) - tables::DecodeToPc(a)) * 24 * 60);
}

// Waits `seconds` in short slices so that the interface stays alive and Esc is seen. False when
// the operator interrupted.
bool WaitSeconds(tables::TableContext& ctx, int seconds) {
    using namespace std::chrono_literals;
    dialogue::Operator& op = ctx.op;
    const dialogue::LongOperation waiting(op);
    const platform::MonoTime until = ctx.clock.Now() + std::chrono::seconds(seconds);
    while (ctx.clock.Now() < until && !op.Interrupted()) {
        ctx.clock.SleepUntil(std::min(until, ctx.clock.Now() + platform::Millis(100)));
        op.ProcessEvents();
    }
    return !op.Interrupted();
}

}  // namespace

bytes::ControllerDateTime TruncateToThreeMinutes(bytes::ControllerDateTime dt) {
    dt[kMinuteByte] = static_cast<std::uint8_t>(dt[kMinuteByte] - dt[kMinuteByte] % 3);
    dt[kSecondByte] = 0;
    return dt;
}

std::optional<ArchiveBounds> BoundsAt(Step step, const bytes::ControllerDateTime& clock,
                                      const bytes::ControllerDateTime& first, bool firstDayFlag,
                                      int contractHour) {
    return step == Step::ThreeMinutes
               ? MinuteBounds(clock, first)
               : HourDayBounds(step, clock, first, firstDayFlag, contractHour);
}

std::optional<BoundsReading> GetArchiveBounds(tables::TableContext& ctx, Step step) {
    dialogue::BusyScope busy(ctx.op);
    const int field = step == Step::ThreeMinutes ? 0 : step == Step::Hour ? 1 : 2;
    if (!tables::ReadFields(ctx,
                            {tables::kFirstRecordsTable, static_cast<std::uint8_t>(field), 1})) {
        return std::nullopt;
    }
    BoundsReading r;
    r.firstRecord = SixBytes(ctx.image.Field(tables::kFirstRecordsTable, field));
    if (step == Step::Day) {
        r.firstDayFlag = (r.firstRecord[kSecondByte] & kFirstDayFlag) != 0;
        r.firstRecord[kSecondByte] &= static_cast<std::uint8_t>(~kFirstDayFlag);
    }
    if (r.firstRecord == bytes::ControllerDateTime{1, 1, 1, 0, 0, 0}) {
        ctx.op.ShowMessage(dialogue::MessageKind::Info, "В архиве нет данных", "");
        return std::nullopt;
    }
    if (!tables::IsValid(r.firstRecord)) {
        ReportInvalidDate(ctx.op, r.firstRecord);
        return std::nullopt;
    }
    const std::optional<bytes::ControllerDateTime> clock = ReadClock(ctx);
    if (!clock || !tables::ReadFields(ctx, {tables::kSystemTable, 0, 12})) {
        return std::nullopt;
    }
    r.clock = *clock;
    const int contractHour = ctx.image.Byte(tables::kSystemTable, kContractHourField);
    const std::optional<ArchiveBounds> bounds =
        BoundsAt(step, r.clock, r.firstRecord, r.firstDayFlag, contractHour);
    if (!bounds) {
        ctx.op.ShowMessage(dialogue::MessageKind::Info, "В архиве еще нет ни одной записи", "");
        return std::nullopt;
    }
    r.bounds = *bounds;
    return r;
}

bool CheckMinutePeriod(tables::TableContext& ctx, const BoundsReading& reading,
                       bytes::ControllerDateTime& start, bytes::ControllerDateTime& end) {
    bytes::ControllerDateTime oldest = Widen(reading.bounds.oldest);
    if (MinutesBetween(oldest, start) >= 3L * kSafeSteps) {
        return true;
    }
    std::optional<bytes::ControllerDateTime> previousClock;
    for (int round = 0;; ++round) {
        const std::optional<bytes::ControllerDateTime> clock = ReadClock(ctx);
        if (!clock) {
            return false;
        }
        const std::optional<ArchiveBounds> now = MinuteBounds(*clock, reading.firstRecord);
        if (now) {
            oldest = Widen(now->oldest);
        }
        if (tables::Compare5(start, oldest) < 0 && tables::Compare5(end, oldest) < 0) {
            ctx.op.ShowMessage(dialogue::MessageKind::ArchiveDatesChanged,
                               "В архиве уже нет данных за указанный период", "");
            return false;
        }
        const bytes::ControllerDateTime wrapped = ShiftMonths(reading.firstRecord, 2);
        if (tables::Compare6(*clock, wrapped) < 0) {
            return true;
        }
        const int minute = (*clock)[kMinuteByte] % 3;
        const int second = (*clock)[kSecondByte];
        if (minute < 2 || second <= kLastSafeSecond) {
            break;
        }
        // A clock that stands still would keep the check waiting for a record that never comes.
        if (round + 1 >= kMinuteCheckRounds || previousClock == clock) {
            ctx.op.ShowMessage(dialogue::MessageKind::Info,
                               "Часы контроллера не идут:", "период чтения проверить невозможно");
            return false;
        }
        previousClock = clock;
        if (!WaitSeconds(ctx, 60 - second)) {
            return false;
        }
    }
    if (tables::Compare5(start, oldest) >= 0) {
        return true;
    }
    if (!ctx.op.ShowMessage(dialogue::MessageKind::ArchiveDatesQuestion,
                            "Корректировать заданный период чтения данных?", "")) {
        return false;
    }
    start = oldest;
    if (tables::Compare5(start, end) > 0) {
        end = start;
    }
    return true;
}

}  // namespace zor06::gasdata
