#include "gasdata/data_reading.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <string>

#include "archive/reading_support.h"
#include "link/reply_views.h"
#include "platform/file_io.h"
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
class ReadingLoop {
public:
    ReadingLoop(DataReadingContext& ctx, DataKind kind, int run,
                const bytes::ControllerDateTime& start, const bytes::ControllerDateTime& end)
        : ctx_(ctx), k_(KindOf(kind)), run_(run), start_(start), end_(end), expected_(start) {}

    // Records kept in the work file at `path`; nothing when the file failed or the first request
    // did.
    std::optional<int> Run(const std::filesystem::path& path) {
        dialogue::Operator& op = ctx_.tables.op;
        platform::WorkFileWriter out(path);
        if (!out.IsOpen()) {
            op.ShowMessage(dialogue::MessageKind::Info, "Ошибка открытия файла", out.Failure());
            return std::nullopt;
        }
        archive::ReadingScope running(op);
        const int maximum = ProgressMaximum(k_.step, start_, end_);
        archive::ShowProgress(op, 0, maximum);
        bytes::ControllerDateTime from = start_;
        for (int request = 0;; ++request) {
            const std::vector<std::uint8_t> data = ArchiveRequestData(k_, run_, from, end_);
            link::hgcbox& link = ctx_.tables.link;
            std::optional<link::ArchiveReply> reply;
            if (link.Request(k_.functionCode, data, Expectation(from))) {
                reply = link::ArchiveReply::Parse(link.replyFrame, k_.functionCode, k_.recordSize);
            }
            if (reply) {
                taken_.assign(reply->Records().begin(), reply->Records().end());
            }
            if (!reply) {
                op.SetStatusText(dialogue::Panel::Message, link.StatusText());
                op.ShowMessage(dialogue::MessageKind::Info, k_.title,
                               request == 0 ? "не прочитаны" : "прочитаны не полностью");
                if (request == 0) {
                    return std::nullopt;
                }
                ending_ = messages::ReadingEnd::LinkFailed;
                break;
            }
            const bool go = TakeReply(*reply, maximum);
            if (!out.Append(kept_)) {
                op.ShowMessage(dialogue::MessageKind::Info, "Ошибка записи в файл", path.string());
                return std::nullopt;
            }
            received_ += static_cast<int>(kept_.size() / k_.recordSize);
            op.ProcessEvents();
            if (!go || op.Interrupted()) {
                ending_ = go ? messages::ReadingEnd::Interrupted : messages::ReadingEnd::Refused;
                break;
            }
            if (reply->Count() < k_.perReply || CompareAtStep(k_.step, expected_, end_) > 0) {
                break;
            }
            from = expected_;
        }
        archive::ShowProgress(op, maximum, maximum);
        return received_;
    }

    // What ended the requests; Complete until something cut them short.
    messages::ReadingEnd Ending() const { return ending_; }
    // How far a reading cut short got: the date of the latest record read within the period,
    // never before its start.
    bytes::ControllerDateTime ReachedUpTo() const { return reached_.value_or(start_); }

private:
    // A reply to the request from `from` brings records of the period from there on, and not
    // those of the reply taken before.
    link::ReplyExpectation Expectation(const bytes::ControllerDateTime& from) const {
        const bool threeMinute = IsThreeMinute(k_.kind);
        return link::ArchiveReply::Expect(
            k_.functionCode, k_.recordSize, k_.perReply,
            {taken_, [this, from, threeMinute](std::span<const std::uint8_t> record) {
                 return InRequestedPeriod(k_.kind, from, end_, RecordDate(record, threeMinute));
             }});
    }

    // Checks the reply's records into kept_; false when the reading ends with it.
    bool TakeReply(const link::ArchiveReply& reply, int maximum) {
        dialogue::Operator& op = ctx_.tables.op;
        kept_.clear();
        const bytes::ControllerDateTime before = expected_;
        for (std::size_t i = 0; i < reply.Count(); ++i) {
            const std::span<const std::uint8_t> record = reply.Record(i);
            archive::ShowProgress(op, ++shown_, maximum);
            const bytes::ControllerDateTime date = RecordDate(record, IsThreeMinute(k_.kind));
            if (IsDaily() && !receivedDays_.emplace(record.begin(), record.end()).second) {
                // A gas day already received: asked again from a date the controller files it
                // under, it comes back.
                expected_ = StepOnce(k_.step, expected_);
                continue;
            }
            bool last = false;
            if (checking_ && !InAllowedWindow(k_.kind, expected_, end_, date)) {
                if (op.ShowMessage(dialogue::MessageKind::Question,
                                   "Передаваемые контроллером данные не соответствуют",
                                   "запрошенному периоду.    Продолжить чтение?")) {
                    checking_ = false;
                } else {
                    last = true;  // kept and shown, and the reading ends with it
                }
            }
            kept_.insert(kept_.end(), record.begin(), record.end());
            NoteReached(date);
            expected_ = NextExpected(k_.kind, expected_, date);
            if (last) {
                return false;
            }
        }
        // Records that do not move the reading on are ones already received: asking again from
        // the same date would bring them back for ever.
        const bool repeated =
            IsDaily() ? kept_.empty() : CompareAtStep(k_.step, expected_, before) <= 0;
        if (reply.Count() > 0 && repeated) {
            kept_.clear();
            op.ShowMessage(dialogue::MessageKind::Info,
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

    DataReadingContext& ctx_;
    const DataArchiveKind& k_;
    int run_;
    bytes::ControllerDateTime start_;
    bytes::ControllerDateTime end_;
    bytes::ControllerDateTime expected_;
    bool checking_ = true;
    messages::ReadingEnd ending_ = messages::ReadingEnd::Complete;
    std::optional<bytes::ControllerDateTime> reached_;
    std::vector<std::uint8_t> taken_;  // the last reply's records, as they came
    int received_ = 0;
    int shown_ = 0;
    std::vector<std::uint8_t> kept_;
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
    const std::filesystem::path path = ctx.workDirectory / kWorkFile;
    std::optional<std::vector<std::uint8_t>> records;
    DataReading reading;
    bytes::ControllerDateTime readUpTo = end;
    {
        dialogue::BusyScope busy(op);
        ReadingLoop loop(ctx, kind, run, start, end);
        const std::optional<int> received = loop.Run(path);
        if (!received) {
            return reading;
        }
        if (*received > 0) {
            // The bar stays full a moment so that the operator sees the reading complete.
            ctx.tables.clock.SleepFor(std::chrono::milliseconds(500));
        }
        if (*received == 0) {
            op.ShowMessage(dialogue::MessageKind::Info, "Нет данных за указанный период", "");
            return reading;
        }
        records = archive::LoadRecords(path, static_cast<std::size_t>(*received), k.recordSize);
        reading.end = loop.Ending();
        if (messages::CutShort(reading.end)) {
            readUpTo = loop.ReachedUpTo();
        }
    }
    if (!records) {
        op.ShowMessage(dialogue::MessageKind::Info, "Ошибка открытия файла", "");
        reading.end = messages::ReadingEnd::NothingShown;
        return reading;
    }
    archive::EnsureSerialNumber(ctx.tables);
    DataSet& set = reading.set.emplace();
    set.kind = kind;
    set.header = BuildHeader(ctx.tables, k, run, start, readUpTo, records->size() / k.recordSize);
    set.records = std::move(*records);
    return reading;
}

messages::ReadingEnd ReadDataArchive(DataReadingContext& ctx, DataKind kind, int run) {
    const DataArchiveKind& k = KindOf(kind);
    const std::optional<BoundsReading> bounds = GetArchiveBounds(ctx.tables, k.step);
    if (!bounds || !ctx.choosePeriod) {
        return messages::ReadingEnd::NothingShown;
    }
    const std::optional<messages::Period> period =
        ctx.choosePeriod(k.step, bounds->bounds, bounds->clock);
    if (!period) {
        return messages::ReadingEnd::NothingShown;
    }
    bytes::ControllerDateTime start = period->start;
    bytes::ControllerDateTime end = period->end;
    if (k.step == Step::ThreeMinutes) {
        start = TruncateToThreeMinutes(start);
        end = TruncateToThreeMinutes(end);
        if (!CheckMinutePeriod(ctx.tables, *bounds, start, end)) {
            return messages::ReadingEnd::NothingShown;
        }
    }
    const DataReading reading = ReadDataPeriod(ctx, kind, run, start, end);
    if (reading.set && ctx.view) {
        ctx.view(*reading.set);
    }
    return reading.end;
}

}  // namespace zor06::gasdata
