#include "gasdata/data_reading.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <string>

#include "archive/reading_support.h"
#include "archive/work_file_reading.h"
#include "link/reply_views.h"
#include "tables/controller_date.h"
#include "tables/table_numbers.h"

namespace zor06::gasdata {
namespace {

int Precision(Step step) {
    return step == Step::Day ? tables::kPrecisionDay : tables::kPrecisionHour;
}

// -1, 0 or 1 as `a` is earlier than, at or later than `b` at the archive's step.
int CompareAtStep(Step step, const bytes::ControllerDateTime& a,
                  const bytes::ControllerDateTime& b) {
    return step == Step::ThreeMinutes ? tables::Compare5(a, b)
                                      : tables::CompareTo(a, b, Precision(step));
}

}  // namespace

bytes::ControllerDateTime StepOnce(Step step, const bytes::ControllerDateTime& d) {
    switch (step) {
        case Step::ThreeMinutes:
            return tables::StepThreeMinutes(d, tables::kStepThreeMinutes);
        case Step::Hour:
            return tables::StepForward(d, tables::kStepHour);
        case Step::Day:
            break;
    }
    return tables::StepForward(d, tables::kStepDay);
}

bytes::ControllerDateTime Significant(const bytes::ControllerDateTime& d, std::size_t bytes) {
    bytes::ControllerDateTime out{};
    std::copy_n(d.begin(), bytes, out.begin());
    return out;
}

namespace {

// Year, month and day.
bytes::ControllerDateTime DayOf(const bytes::ControllerDateTime& d) {
    return Significant(d, 3);
}

int ProgressMaximum(Step step, const bytes::ControllerDateTime& start,
                    const bytes::ControllerDateTime& end) {
    const int days = tables::DaysBetween(tables::DateOf(start), tables::DateOf(end));
    const int hours = 24 * days + end[tables::kHourByte] - start[tables::kHourByte];
    switch (step) {
        case Step::ThreeMinutes:
            return hours * 20;
        case Step::Hour:
            return hours;
        case Step::Day:
            break;
    }
    return std::max(days, 1);
}

// The requests and what their replies say, one reading's worth.
class DataSeries final : public archive::Series {
public:
    DataSeries(dialogue::Operator& op, DataKind kind, int run,
               const bytes::ControllerDateTime& start, const bytes::ControllerDateTime& end)
        : op_(op),
          k_(KindOf(kind)),
          run_(run),
          start_(start),
          end_(end),
          from_(start),
          expected_(start),
          maximum_(ProgressMaximum(k_.step, start, end)) {}

    std::string_view Title() const override { return k_.title; }
    std::size_t RecordSize() const override { return k_.recordSize; }
    int Maximum() const { return maximum_; }

    // A reply brings records of the period from `from_` on, and not those of the reply taken
    // before.
    archive::Request Next() override {
        const bool threeMinute = IsThreeMinute(k_.kind);
        return {k_.functionCode, ArchiveRequestData(k_, run_, from_, end_), k_.perReply,
                [this, from = from_, threeMinute](std::span<const std::uint8_t> record) {
                    return InRequestedPeriod(k_.kind, from, end_, RecordDate(record, threeMinute));
                }};
    }

    archive::Verdict Take(const link::ArchiveReply& reply,
                          std::vector<std::uint8_t>& kept) override {
        if (!Check(reply, kept)) {
            return archive::Verdict::Refused;
        }
        if (reply.Count() < k_.perReply || CompareAtStep(k_.step, expected_, end_) > 0) {
            return archive::Verdict::Last;
        }
        from_ = expected_;
        return archive::Verdict::More;
    }

    // How far a reading cut short got: the date of the latest record read within the period,
    // never before its start.
    bytes::ControllerDateTime ReachedUpTo() const { return reached_.value_or(start_); }

private:
    // Checks the reply's records into `kept`; false when the reading ends with it.
    bool Check(const link::ArchiveReply& reply, std::vector<std::uint8_t>& kept) {
        const bytes::ControllerDateTime before = expected_;
        for (std::size_t i = 0; i < reply.Count(); ++i) {
            const std::span<const std::uint8_t> record = reply.Record(i);
            archive::ShowProgress(op_, ++shown_, maximum_);
            const bytes::ControllerDateTime date = RecordDate(record, IsThreeMinute(k_.kind));
            if (IsDaily() && !receivedDays_.emplace(record.begin(), record.end()).second) {
                // A gas day already received: asked again from a date the controller files it
                // under, it comes back.
                expected_ = StepOnce(k_.step, expected_);
                continue;
            }
            bool last = false;
            if (checking_ && !InAllowedWindow(k_.kind, expected_, end_, date)) {
                if (op_.ShowMessage(dialogue::MessageKind::Question,
                                    "Передаваемые контроллером данные не соответствуют",
                                    "запрошенному периоду.    Продолжить чтение?")) {
                    checking_ = false;
                } else {
                    last = true;  // kept and shown, and the reading ends with it
                }
            }
            kept.insert(kept.end(), record.begin(), record.end());
            NoteReached(date);
            expected_ = NextExpected(k_.kind, expected_, date);
            if (last) {
                return false;
            }
        }
        // Records that do not move the reading on are ones already received: asking again from
        // the same date would bring them back for ever.
        const bool repeated =
            IsDaily() ? kept.empty() : CompareAtStep(k_.step, expected_, before) <= 0;
        if (reply.Count() > 0 && repeated) {
            kept.clear();
            op_.ShowMessage(dialogue::MessageKind::Info,
                            "Контроллер повторно передал уже прочитанные данные.",
                            "Чтение данных прекращено.");
            return false;
        }
        return true;
    }

    bool IsDaily() const { return k_.step == Step::Day; }

    void NoteReached(const bytes::ControllerDateTime& date) {
        if (CompareAtStep(k_.step, start_, date) <= 0 && CompareAtStep(k_.step, date, end_) <= 0 &&
            (!reached_ || CompareAtStep(k_.step, *reached_, date) < 0)) {
            reached_ = date;
        }
    }

    dialogue::Operator& op_;
    const DataArchiveKind& k_;
    int run_;
    bytes::ControllerDateTime start_;
    bytes::ControllerDateTime end_;
    bytes::ControllerDateTime from_;  // of the next request
    bytes::ControllerDateTime expected_;
    int maximum_;
    bool checking_ = true;
    std::optional<bytes::ControllerDateTime> reached_;
    int shown_ = 0;
    // The daily records' bytes, kept as strings: GCC 12 at -O3 warns falsely on comparing byte
    // vectors.
    std::set<std::string> receivedDays_;
};

dataset::HdmHeader BuildHeader(tables::TableContext& t, const DataArchiveKind& k, int run,
                               const bytes::ControllerDateTime& start,
                               const bytes::ControllerDateTime& end, std::size_t count) {
    dataset::HdmHeader header;
    header.SetKind(k.kindLetters);
    header.source = static_cast<std::uint8_t>(run << 4 | static_cast<int>(k.device));
    const auto copyName = [&t](int field, std::array<std::uint8_t, 20>& to) {
        const std::span<const std::uint8_t> name = t.image.Field(tables::kNamesTable, field);
        std::copy_n(name.begin(), std::min(name.size(), to.size()), to.begin());
    };
    copyName(0, header.controllerName);
    if (k.device == dataset::Device::Chromatograph) {
        copyName(1 + run, header.runName);
    }
    header.address = t.link.address;
    header.serialNumber = archive::SerialNumber(t.image);
    header.readAt = tables::EncodeNow(t.clock.LocalDateTime());
    header.start = Significant(start, k.dateBytes);
    header.end = Significant(end, k.dateBytes);
    header.recordCount = static_cast<std::uint32_t>(count);
    return header;
}

}  // namespace

std::vector<std::uint8_t> ArchiveRequestData(const DataArchiveKind& k, int run,
                                             const bytes::ControllerDateTime& start,
                                             const bytes::ControllerDateTime& end) {
    std::vector<std::uint8_t> data{k.requestByte, static_cast<std::uint8_t>(run),
                                   static_cast<std::uint8_t>(k.device)};
    const std::size_t bytes = std::min(k.dateBytes, start.size());
    for (const bytes::ControllerDateTime* date : {&start, &end}) {
        for (std::size_t i = 0; i < bytes; ++i) {
            data.push_back((*date)[i]);
        }
    }
    return data;
}

bytes::ControllerDateTime NextExpected(DataKind kind, const bytes::ControllerDateTime& expected,
                                       const bytes::ControllerDateTime& record) {
    const Step step = KindOf(kind).step;
    if (step == Step::Day) {
        // A controller may file a gas day under the date before or after it, so the expected day
        // moves one day per record; only a gap in the archive takes it further.
        const bytes::ControllerDateTime next = StepOnce(step, expected);
        return tables::CompareTo(record, next, tables::kPrecisionDay) > 0 ? DayOf(record) : next;
    }
    const bytes::ControllerDateTime slot =
        step == Step::ThreeMinutes ? TruncateToThreeMinutes(record) : record;
    const bytes::ControllerDateTime next = StepOnce(step, slot);
    return CompareAtStep(step, next, expected) > 0 ? next : expected;
}

bool InRequestedPeriod(DataKind kind, const bytes::ControllerDateTime& from,
                       const bytes::ControllerDateTime& end,
                       const bytes::ControllerDateTime& record) {
    const Step step = KindOf(kind).step;
    if (step == Step::Day) {
        return tables::CompareTo(tables::StepBack(from, tables::kStepDay), record,
                                 tables::kPrecisionDay) <= 0 &&
               tables::CompareTo(record, tables::StepForward(end, tables::kStepDay),
                                 tables::kPrecisionDay) <= 0;
    }
    return CompareAtStep(step, from, record) <= 0 && CompareAtStep(step, record, end) <= 0;
}

bool InAllowedWindow(DataKind kind, const bytes::ControllerDateTime& expected,
                     const bytes::ControllerDateTime& end,
                     const bytes::ControllerDateTime& record) {
    if (kind == DataKind::WmtMinute) {
        const Step step = KindOf(kind).step;
        return tables::Compare5(expected, record) <= 0 &&
               tables::Compare5(record, StepOnce(step, expected)) <= 0;
    }
    return InRequestedPeriod(kind, expected, end, record);
}

DataReading ReadDataPeriod(DataReadingContext& ctx, DataKind kind, int run,
                           const bytes::ControllerDateTime& start,
                           const bytes::ControllerDateTime& end) {
    const DataArchiveKind& k = KindOf(kind);
    dialogue::Operator& op = ctx.tables.op;
    std::optional<archive::WorkFileReading> got;
    DataReading reading;
    bytes::ControllerDateTime readUpTo = end;
    {
        dialogue::BusyScope busy(op);
        DataSeries series(op, kind, run, start, end);
        got = archive::ReadIntoWorkFile(ctx.tables, series, ctx.workDirectory / kWorkFile,
                                        series.Maximum());
        if (!got) {
            return reading;
        }
        if (got->loop.records == 0) {
            // A first request that failed has said so already.
            if (got->loop.end != archive::ReadingEnd::LinkFailed) {
                op.ShowMessage(dialogue::MessageKind::Info, "Нет данных за указанный период", "");
            }
            reading.linkFailed = got->loop.end == archive::ReadingEnd::LinkFailed;
            return reading;
        }
        // The bar stays full a moment so that the operator sees the reading complete.
        if (ctx.pauseWhenDone) {
            ctx.tables.clock.SleepFor(std::chrono::milliseconds(500));
        }
        reading.end = got->loop.end;
        if (archive::CutShort(reading.end)) {
            readUpTo = series.ReachedUpTo();
        }
    }
    if (!got->records) {
        op.ShowMessage(dialogue::MessageKind::Info, "Ошибка открытия файла", "");
        reading.end = archive::ReadingEnd::NothingShown;
        return reading;
    }
    archive::EnsureSerialNumber(ctx.tables);
    DataSet& set = reading.set.emplace();
    set.kind = kind;
    set.header =
        BuildHeader(ctx.tables, k, run, start, readUpTo, got->records->size() / k.recordSize);
    set.records = std::move(*got->records);
    return reading;
}

archive::ReadingEnd ReadDataArchive(DataReadingContext& ctx, DataKind kind, int run) {
    const DataArchiveKind& k = KindOf(kind);
    const std::optional<BoundsReading> bounds = GetArchiveBounds(ctx.tables, k.step);
    if (!bounds || !ctx.choosePeriod) {
        return archive::ReadingEnd::NothingShown;
    }
    const std::optional<messages::Period> period =
        ctx.choosePeriod(k.step, bounds->bounds, bounds->clock);
    if (!period) {
        return archive::ReadingEnd::NothingShown;
    }
    bytes::ControllerDateTime start = period->start;
    bytes::ControllerDateTime end = period->end;
    if (k.step == Step::ThreeMinutes) {
        start = TruncateToThreeMinutes(start);
        end = TruncateToThreeMinutes(end);
        if (!CheckMinutePeriod(ctx.tables, *bounds, start, end)) {
            return archive::ReadingEnd::NothingShown;
        }
    }
    const DataReading reading = ReadDataPeriod(ctx, kind, run, start, end);
    if (reading.set && ctx.view) {
        ctx.view(*reading.set);
    }
    return reading.end;
}

}  // namespace zor06::gasdata
