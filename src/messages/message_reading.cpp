#include "messages/message_reading.h"

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <optional>
#include <string_view>

#include "archive/reading_support.h"
#include "bytes/byte_writer.h"
#include "link/frame.h"
#include "platform/file_io.h"
#include "tables/controller_date.h"
#include "tables/table_numbers.h"

namespace zor06::messages {
namespace {

// What tells a reading by index from one by period: its requests, its progress measure and
// when its series ends. The loop around it is the same for both.
class Series {
public:
    explicit Series(const ArchiveKind& kind) : kind_(kind) {}
    virtual ~Series() = default;
    virtual int ProgressMaximum() const = 0;
    // Sends the next request; true when its reply arrived.
    virtual bool Request(link::hgcbox& link) = 0;
    const link::ArchiveReply& Reply() const { return *reply_; }
    virtual int Position(int received) const = 0;
    virtual std::string_view NothingText() const = 0;
    // Notes what a reply whose records were kept says besides its records.
    virtual void Kept() {}
    // After a reply whose records were kept: whether another request follows.
    virtual bool Continue() = 0;
    // The period the records cover: the whole one asked for only when the reading was complete.
    virtual void FillDates(dataset::HdmHeader& header, const std::vector<std::uint8_t>& records,
                           bool complete) const = 0;
    virtual bool ArchiveErrorSeen() const { return false; }
    virtual ViewMode Mode() const = 0;
    virtual std::uint32_t StartIndex() const { return 0; }

protected:
    // One request of `code`; true when its reply arrived. The records of the reply taken before,
    // and `fits`, tell the link a late reply from the one to this request.
    bool Ask(link::hgcbox& link, std::uint8_t code, std::span<const std::uint8_t> data,
             std::size_t maxRecords, std::function<bool(std::span<const std::uint8_t>)> fits) {
        reply_.reset();
        const link::ReplyExpectation expected = link::ArchiveReply::Expect(
            code, kind_.recordSize, maxRecords, {taken_, std::move(fits)});
        if (!link.Request(code, data, expected)) {
            return false;
        }
        reply_ = link::ArchiveReply::Parse(link.replyFrame, code, kind_.recordSize);
        if (reply_) {
            taken_.assign(reply_->Records().begin(), reply_->Records().end());
        }
        return reply_.has_value();
    }

    // Whether `record` came in the reply taken before.
    bool AmongTaken(std::span<const std::uint8_t> record) const {
        const std::span<const std::uint8_t> taken(taken_);
        for (std::size_t at = 0; at + record.size() <= taken.size(); at += kind_.recordSize) {
            if (std::ranges::equal(taken.subspan(at, record.size()), record)) {
                return true;
            }
        }
        return false;
    }

    const ArchiveKind& kind_;
    std::optional<link::ArchiveReply> reply_;

private:
    std::vector<std::uint8_t> taken_;
};

bytes::ControllerDateTime DateOfRecord(std::span<const std::uint8_t> record) {
    bytes::ControllerDateTime date{};
    std::copy_n(record.begin(), std::min(record.size(), date.size()), date.begin());
    return date;
}

class IndexSeries final : public Series {
public:
    IndexSeries(const ArchiveKind& kind, std::uint32_t start, std::uint32_t count)
        : Series(kind), firstIndex_(start), next_(start), left_(count), total_(count) {}

    int ProgressMaximum() const override {
        return static_cast<int>(std::min<std::uint32_t>(total_, 0x7FFFFFFF));
    }
    // The records carry no index, but those asked for follow the ones taken before: a reply
    // that repeats one of them answers an earlier request.
    bool Request(link::hgcbox& link) override {
        const auto asked = static_cast<std::uint8_t>(std::min<std::uint32_t>(left_, kind_.batch));
        std::array<std::uint8_t, 7> data{};
        bytes::ByteWriter block(data);
        block.U8(0);
        block.U8(kind_.code);
        block.U32(next_);
        block.U8(asked);
        return Ask(link, link::code::kMessagesByIndex, data, asked,
                   [this](std::span<const std::uint8_t> record) { return !AmongTaken(record); });
    }
    int Position(int received) const override { return received; }
    std::string_view NothingText() const override { return "Нет сообщений с заданными индексами"; }
    bool Continue() override {
        const auto k = static_cast<std::uint32_t>(reply_->Count());
        if (k >= left_) {
            return false;
        }
        left_ -= k;
        next_ += k;
        return true;
    }
    void FillDates(dataset::HdmHeader& header, const std::vector<std::uint8_t>& records,
                   bool /*complete*/) const override {
        const std::span<const std::uint8_t> all(records);
        header.start = DateOfRecord(all.first(kind_.recordSize));
        header.end = DateOfRecord(all.last(kind_.recordSize));
    }
    ViewMode Mode() const override { return ViewMode::ByIndex; }
    std::uint32_t StartIndex() const override { return firstIndex_; }

private:
    std::uint32_t firstIndex_;
    std::uint32_t next_;
    std::uint32_t left_;
    std::uint32_t total_;
};

class PeriodSeries final : public Series {
public:
    PeriodSeries(const ArchiveKind& kind, const bytes::ControllerDateTime& start,
                 const bytes::ControllerDateTime& end)
        : Series(kind), start_(start), end_(end) {}

    int ProgressMaximum() const override { return HoursBetween(start_, end_); }
    bool Request(link::hgcbox& link) override {
        std::array<std::uint8_t, 15> data{0, kind_.code, sequence_};
        std::copy(start_.begin(), start_.end(), data.begin() + 3);
        std::copy(end_.begin(), end_.end(), data.begin() + 9);
        return Ask(link, link::code::kMessagesByPeriod, data, 0,
                   [this](std::span<const std::uint8_t> record) {
                       const bytes::ControllerDateTime date = DateOfRecord(record);
                       return start_ <= date && date <= end_;
                   });
    }
    int Position(int /*received*/) const override {
        return HoursBetween(start_, DateOfRecord(reply_->Record(reply_->Count() - 1)));
    }
    std::string_view NothingText() const override { return "Нет данных за указанный период"; }
    void Kept() override { errorSeen_ = errorSeen_ || reply_->ArchiveError(); }
    bool Continue() override {
        if (!reply_->MoreFollow()) {
            return false;
        }
        sequence_ = NextSequence(sequence_);
        return true;
    }
    void FillDates(dataset::HdmHeader& header, const std::vector<std::uint8_t>& records,
                   bool complete) const override {
        header.start = start_;
        header.end = end_;
        if (!complete) {
            const bytes::ControllerDateTime last =
                DateOfRecord(std::span<const std::uint8_t>(records).last(kind_.recordSize));
            header.end = std::clamp(last, start_, end_);
        }
    }
    bool ArchiveErrorSeen() const override { return errorSeen_; }
    ViewMode Mode() const override { return ViewMode::ByPeriod; }

private:
    bytes::ControllerDateTime start_;
    bytes::ControllerDateTime end_;
    std::uint8_t sequence_ = 0;
    bool errorSeen_ = false;
};

dataset::HdmHeader BuildHeader(const ReadingContext& ctx, const ArchiveKind& kind,
                               const Series& series, const std::vector<std::uint8_t>& records,
                               ReadingEnd end) {
    const tables::TableContext& t = ctx.tables;
    dataset::HdmHeader header;
    header.SetKind(kind.kindLetters);
    const std::span<const std::uint8_t> name = t.image.Field(tables::kNamesTable, 0);
    std::copy_n(name.begin(), std::min(name.size(), header.controllerName.size()),
                header.controllerName.begin());
    header.address = t.link.address;
    header.serialNumber = archive::SerialNumber(t.image);
    header.readAt = tables::EncodeNow(t.clock.LocalDateTime());
    series.FillDates(header, records, end == ReadingEnd::Complete);
    header.recordCount = static_cast<std::uint32_t>(records.size() / kind.recordSize);
    return header;
}

// How many records the requests brought, and what ended them.
struct Collected {
    int received = 0;
    ReadingEnd end = ReadingEnd::Complete;
};

// Requests until the series ends, the operator interrupts or a request fails; the records kept
// go to the work file. Nothing when the work file failed.
std::optional<Collected> CollectRecords(ReadingContext& ctx, const ArchiveKind& kind,
                                        Series& series, const std::filesystem::path& path) {
    dialogue::Operator& op = ctx.tables.op;
    platform::WorkFileWriter out(path);
    if (!out.IsOpen()) {
        op.ShowMessage(dialogue::MessageKind::Info, "Ошибка открытия файла", out.Failure());
        return std::nullopt;
    }
    archive::ReadingScope running(op);
    const int maximum = series.ProgressMaximum();
    archive::ShowProgress(op, 0, maximum);
    Collected got;
    for (;;) {
        if (!series.Request(ctx.tables.link)) {
            op.SetStatusText(dialogue::Panel::Message, ctx.tables.link.StatusText());
            op.ShowMessage(dialogue::MessageKind::Info, kind.title,
                           got.received == 0 ? "не прочитаны" : "прочитаны не полностью");
            got.end = ReadingEnd::LinkFailed;
            break;
        }
        const link::ArchiveReply& reply = series.Reply();
        if (reply.Count() == 0) {
            if (got.received == 0) {
                op.ShowMessage(dialogue::MessageKind::Info, series.NothingText(), "");
            }
            break;
        }
        got.received += static_cast<int>(reply.Count());
        archive::ShowProgress(op, series.Position(got.received), maximum);
        const std::span<const std::uint8_t> records = reply.Records();
        if (!out.Append(records)) {
            op.ShowMessage(dialogue::MessageKind::Info, "Ошибка записи в файл", path.string());
            return std::nullopt;
        }
        series.Kept();
        op.ProcessEvents();
        if (op.Interrupted()) {
            got.end = ReadingEnd::Interrupted;
            break;
        }
        if (!series.Continue()) {
            break;
        }
    }
    return got;
}

ReadingEnd RunReading(ReadingContext& ctx, Archive archive, Series& series) {
    const ArchiveKind& kind = KindOf(archive);
    dialogue::Operator& op = ctx.tables.op;
    const std::filesystem::path path = ctx.workDirectory / std::string(kind.workFile);
    std::optional<std::vector<std::uint8_t>> records;
    std::optional<Collected> got;
    {
        dialogue::BusyScope busy(op);  // the normal cursor is back before any message or the view
        got = CollectRecords(ctx, kind, series, path);
        if (!got || got->received == 0) {
            return ReadingEnd::NothingShown;
        }
        records =
            archive::LoadRecords(path, static_cast<std::size_t>(got->received), kind.recordSize);
    }
    if (!records) {
        op.ShowMessage(dialogue::MessageKind::Info, "Ошибка открытия файла", "");
        return ReadingEnd::NothingShown;
    }
    if (series.ArchiveErrorSeen()) {
        op.ShowMessage(dialogue::MessageKind::Info, "Обнаружена ошибка", kind.errorLine);
    }
    archive::EnsureSerialNumber(ctx.tables);
    MessageSet set;
    set.archive = archive;
    set.header = BuildHeader(ctx, kind, series, *records, got->end);
    set.records = std::move(*records);
    set.mode = series.Mode();
    set.startIndex = series.StartIndex();
    if (ctx.view) {
        ctx.view(set);
    }
    return got->end;
}

}  // namespace

std::uint8_t NextSequence(std::uint8_t previous) {
    return previous == 255 ? 1 : static_cast<std::uint8_t>(previous + 1);
}

int HoursBetween(const bytes::ControllerDateTime& from, const bytes::ControllerDateTime& to) {
    const int days = tables::DaysBetween(tables::DateOf(from), tables::DateOf(to));
    return 24 * days + to[tables::kHourByte] - from[tables::kHourByte];
}

ReadingEnd ReadMessagesByIndex(ReadingContext& ctx, Archive archive, std::uint32_t start,
                               std::uint32_t count) {
    IndexSeries series(KindOf(archive), start, count);
    return RunReading(ctx, archive, series);
}

ReadingEnd ReadMessagesByPeriod(ReadingContext& ctx, Archive archive,
                                const bytes::ControllerDateTime& start,
                                const bytes::ControllerDateTime& end) {
    PeriodSeries series(KindOf(archive), start, end);
    return RunReading(ctx, archive, series);
}

}  // namespace zor06::messages
