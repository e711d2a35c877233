// Any dates typed for zor06ctl's readings by period: a date it takes exists and reads back the
// same when printed; the period of a data reading, when taken, runs forward and lies inside the
// archive, and when refused the operator is told why, once.
//
// Input: [0..5] the controller clock, [6..11] the archive's first record, [12] bits 0..1 the
// archive (0 hourly, 1 daily, else 3-minute), bit 2 the daily first-record flag, bits 3..4 what
// the command line asks (0 dates, 1 --last-day, 2 --last-month, 3 both), [13] the contract hour;
// then the text "FROM\nTO".
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "gasdata/archive_bounds.h"
#include "tables/controller_date.h"
#include "tests/support/recording_operator.h"
#include "zor06ctl/data_period.h"
#include "zor06ctl/message_dates.h"

namespace {

using namespace zor06;

constexpr std::size_t kOptionBytes = 14;

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bytes::ControllerDateTime SixBytes(const std::uint8_t* at) {
    bytes::ControllerDateTime d{};
    std::copy_n(at, d.size(), d.begin());
    return d;
}

void CheckDate(const std::string& text) {
    const auto date = ctl::ParseMessageDate(text);
    if (!date) {
        return;
    }
    const bytes::ControllerDateTime& d = *date;
    Require(tables::IsValid(d));
    char printed[32];
    std::snprintf(printed, sizeof printed, "%02d.%02d.%04d %02d:%02d:%02d", d[2], d[1], 2000 + d[0],
                  d[3], d[4], d[5]);
    Require(ctl::ParseMessageDate(printed) == date);
}

int CompareAtStep(gasdata::Step step, const bytes::ControllerDateTime& a,
                  const bytes::ControllerDateTime& b) {
    switch (step) {
        case gasdata::Step::Hour:
            return tables::CompareTo(a, b, tables::kPrecisionHour);
        case gasdata::Step::Day:
            return tables::CompareTo(a, b, tables::kPrecisionDay);
        case gasdata::Step::ThreeMinutes:
            break;
    }
    return tables::Compare5(a, b);
}

bytes::ControllerDateTime Widen(const messages::Date5& d) {
    return {d[0], d[1], d[2], d[3], d[4], 0};
}

void CheckPeriod(const ctl::DataPeriodRequest& request, const std::uint8_t* options) {
    const bytes::ControllerDateTime clock = SixBytes(options);
    const bytes::ControllerDateTime first = SixBytes(options + 6);
    if (!tables::IsValid(clock) || !tables::IsValid(first)) {
        return;  // the reading stops at such dates before it asks for a period
    }
    const int archive = options[12] & 3;
    const gasdata::Step step = archive == 0   ? gasdata::Step::Hour
                               : archive == 1 ? gasdata::Step::Day
                                              : gasdata::Step::ThreeMinutes;
    const auto bounds =
        gasdata::BoundsAt(step, clock, first, (options[12] & 4) != 0, options[13] % 24);
    if (!bounds) {
        return;
    }
    test::RecordingOperator op;
    const auto period = ctl::ChooseDataPeriod(request, step, *bounds, clock, op);
    if (!period) {
        Require(op.messages.size() == 1 &&
                op.messages[0].kind == zor06::dialogue::MessageKind::InputError &&
                !op.messages[0].text1.empty());
        return;
    }
    Require(op.messages.empty());
    Require(tables::IsValid(period->start) && tables::IsValid(period->end) &&
            tables::Compare6(period->start, period->end) <= 0);
    Require(CompareAtStep(step, period->start, Widen(bounds->oldest)) >= 0 &&
            CompareAtStep(step, period->end, Widen(bounds->newest)) <= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < kOptionBytes) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data + kOptionBytes),
                                size - kOptionBytes);
    const std::size_t split = std::min(text.find('\n'), text.size());
    ctl::DataOptions options;
    options.from = std::string(text.substr(0, split));
    options.to = std::string(text.substr(std::min(split + 1, text.size())));
    CheckDate(options.from);
    CheckDate(options.to);

    const int asked = (data[12] >> 3) & 3;
    if (asked != 0) {
        options.lastDay = (asked & 1) != 0;
        options.lastMonth = (asked & 2) != 0;
        options.from.clear();
        options.to.clear();
    }
    std::string error;
    const auto request = ctl::DataPeriodOf(options, &error);
    Require(request.has_value() == error.empty());
    Require(!request || asked != 3);
    if (request) {
        CheckPeriod(*request, data);
    }
    return 0;
}
