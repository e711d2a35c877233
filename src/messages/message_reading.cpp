#include "messages/message_reading.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <optional>
#include <string_view>

#include "archive/reading_support.h"
#include "archive/work_file_reading.h"
#include "bytes/byte_writer.h"
#include "link/frame.h"
#include "tables/controller_date.h"
#include "tables/table_numbers.h"

namespace zor06::messages {
namespace {

// What tells a reading by index from one by period: its requests, its progress measure and
// when its series ends. The loop around it is archive::RunSeries.
class Series : public archive::Series {
public:
    Series(const ArchiveKind& kind, dialogue::Operator& op) : kind_(kind), op_(op) {}
    std::string_view Title() const override { return kind_.title; }
    std::size_t RecordSize() const override { return kind_.recordSize; }
    archive::Verdict Take(const link::ArchiveReply& reply,
                          std::vector<std::uint8_t>& kept) override {
        if (reply.Count() == 0) {
            if (received_ == 0) {
                op_.ShowMessage(dialogue::MessageKind::Info, NothingText(), "");
            }
            return archive::Verdict::Empty;
        }
        received_ += static_cast<int>(reply.Count());
        archive::ShowProgress(op_, Position(reply, received_), ProgressMaximum());
        kept.assign(reply.Records().begin(), reply.Records().end());
        Kept(reply);
        return Continue(reply) ? archive::Verdict::More : archive::Verdict::Last;
    }

    virtual int ProgressMaximum() const = 0;
    // The period the records cover: the whole one asked for only when the reading was complete.
    virtual void FillDates(dataset::HdmHeader& header, const std::vector<std::uint8_t>& records,
                           bool complete) const = 0;
    virtual bool ArchiveErrorSeen() const { return false; }
    virtual ViewMode Mode() const = 0;
    virtual std::uint32_t StartIndex() const { return 0; }

protected:
    virtual int Position(const link::ArchiveReply& reply, int received) const = 0;
    virtual std::string_view NothingText() const = 0;
    // Notes what a reply whose records were kept says besides its records.
    virtual void Kept(const link::ArchiveReply& /*reply*/) {}
    // After a reply whose records were kept: whether another request follows.
    virtual bool Continue(const link::ArchiveReply& reply) = 0;

    const ArchiveKind& kind_;

private:
    dialogue::Operator& op_;
    int received_ = 0;
};

bytes::ControllerDateTime DateOfRecord(std::span<const std::uint8_t> record) {
    bytes::ControllerDateTime date{};
    std::copy_n(record.begin(), std::min(record.size(), date.size()), date.begin());
    return date;
}

class IndexSeries final : public Series {
public:
    IndexSeries(const ArchiveKind& kind, dialogue::Operator& op, std::uint32_t start,
                std::uint32_t count)
        : Series(kind, op), firstIndex_(start), next_(start), left_(count), total_(count) {}

    int ProgressMaximum() const override {
        return static_cast<int>(std::min<std::uint32_t>(total_, 0x7FFFFFFF));
    }
    // The records carry no index, but those asked for follow the ones taken before: a reply
    // that repeats one of them answers an earlier request.
    archive::Request Next() override {
        const auto asked = static_cast<std::uint8_t>(std::min<std::uint32_t>(left_, kind_.batch));
        archive::Request request{link::code::kMessagesByIndex, {}, asked, nullptr};
        bytes::ByteWriter block(request.data);  // appends
        block.U8(0);
        block.U8(kind_.code);
        block.U32(next_);
        block.U8(asked);
        request.fits = [this](std::span<const std::uint8_t> record) { return !AmongLast(record); };
        return request;
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
    int Position(const link::ArchiveReply& /*reply*/, int received) const override {
        return received;
    }
    std::string_view NothingText() const override { return "Нет сообщений с заданными индексами"; }
    void Kept(const link::ArchiveReply& reply) override {
        last_.assign(reply.Records().begin(), reply.Records().end());
    }
    bool Continue(const link::ArchiveReply& reply) override {
        const auto k = static_cast<std::uint32_t>(reply.Count());
        if (k >= left_) {
            return false;
        }
        left_ -= k;
        next_ += k;
        return true;
    }
    // Whether `record` came in the reply taken before.
    bool AmongLast(std::span<const std::uint8_t> record) const {
        const std::span<const std::uint8_t> last(last_);
        for (std::size_t at = 0; at + record.size() <= last.size(); at += kind_.recordSize) {
            if (std::ranges::equal(last.subspan(at, record.size()), record)) {
                return true;
            }
        }
        return false;
    }

    std::uint32_t firstIndex_;
    std::uint32_t next_;
    std::uint32_t left_;
    std::uint32_t total_;
    std::vector<std::uint8_t> last_;  // the records of the reply taken before
};

class PeriodSeries final : public Series {
public:
    PeriodSeries(const ArchiveKind& kind, dialogue::Operator& op,
                 const bytes::ControllerDateTime& start, const bytes::ControllerDateTime& end)
        : Series(kind, op), start_(start), end_(end) {}

    int ProgressMaximum() const override { return HoursBetween(start_, end_); }
    archive::Request Next() override {
        std::vector<std::uint8_t> data{0, kind_.code, sequence_};
        data.insert(data.end(), start_.begin(), start_.end());
        data.insert(data.end(), end_.begin(), end_.end());
        return {link::code::kMessagesByPeriod, std::move(data), 0,
                [this](std::span<const std::uint8_t> record) {
                    const bytes::ControllerDateTime date = DateOfRecord(record);
                    return start_ <= date && date <= end_;
                }};
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
    int Position(const link::ArchiveReply& reply, int /*received*/) const override {
        return HoursBetween(start_, DateOfRecord(reply.Record(reply.Count() - 1)));
    }
    std::string_view NothingText() const override { return "Нет данных за указанный период"; }
    void Kept(const link::ArchiveReply& reply) override {
        errorSeen_ = errorSeen_ || reply.ArchiveError();
    }
    bool Continue(const link::ArchiveReply& reply) override {
        if (!reply.MoreFollow()) {
            return false;
        }
        sequence_ = NextSequence(sequence_);
        return true;
    }

    bytes::ControllerDateTime start_;
    bytes::ControllerDateTime end_;
    std::uint8_t sequence_ = 0;
    bool errorSeen_ = false;
};

dataset::HdmHeader BuildHeader(const ReadingContext& ctx, const ArchiveKind& kind,
                               const Series& series, const std::vector<std::uint8_t>& records,
                               archive::ReadingEnd end) {
    const tables::TableContext& t = ctx.tables;
    dataset::HdmHeader header;
    header.SetKind(kind.kindLetters);
    const std::span<const std::uint8_t> name = t.image.Field(tables::kNamesTable, 0);
    std::copy_n(name.begin(), std::min(name.size(), header.controllerName.size()),
                header.controllerName.begin());
    header.address = t.link.address;
    header.serialNumber = archive::SerialNumber(t.image);
    header.readAt = tables::EncodeNow(t.clock.LocalDateTime());
    series.FillDates(header, records, end == archive::ReadingEnd::Complete);
    header.recordCount = static_cast<std::uint32_t>(records.size() / kind.recordSize);
    return header;
}

archive::ReadingEnd RunReading(ReadingContext& ctx, Archive archive, Series& series) {
    const ArchiveKind& kind = KindOf(archive);
    dialogue::Operator& op = ctx.tables.op;
    std::optional<archive::WorkFileReading> got;
    {
        dialogue::BusyScope busy(op);  // the normal cursor is back before any message or the view
        got = archive::ReadIntoWorkFile(ctx.tables, series,
                                        ctx.workDirectory / std::string(kind.workFile),
                                        series.ProgressMaximum());
        if (!got || got->loop.records == 0) {
            return archive::ReadingEnd::NothingShown;
        }
    }
    if (!got->records) {
        op.ShowMessage(dialogue::MessageKind::Info, "Ошибка открытия файла", "");
        return archive::ReadingEnd::NothingShown;
    }
    if (series.ArchiveErrorSeen()) {
        op.ShowMessage(dialogue::MessageKind::Info, "Обнаружена ошибка", kind.errorLine);
    }
    archive::EnsureSerialNumber(ctx.tables);
    MessageSet set;
    set.archive = archive;
    set.header = BuildHeader(ctx, kind, series, *got->records, got->loop.end);
    set.records = std::move(*got->records);
    set.mode = series.Mode();
    set.startIndex = series.StartIndex();
    if (ctx.view) {
        ctx.view(set);
    }
    return got->loop.end;
}

}  // namespace

std::uint8_t NextSequence(std::uint8_t previous) {
    return previous == 255 ? 1 : static_cast<std::uint8_t>(previous + 1);
}

int HoursBetween(const bytes::ControllerDateTime& from, const bytes::ControllerDateTime& to) {
    const int days = tables::DaysBetween(tables::DateOf(from), tables::DateOf(to));
    return 24 * days + to[tables::kHourByte] - from[tables::kHourByte];
}

archive::ReadingEnd ReadMessagesByIndex(ReadingContext& ctx, Archive archive, std::uint32_t start,
                                        std::uint32_t count) {
    IndexSeries series(KindOf(archive), ctx.tables.op, start, count);
    return RunReading(ctx, archive, series);
}

archive::ReadingEnd ReadMessagesByPeriod(ReadingContext& ctx, Archive archive,
                                         const bytes::ControllerDateTime& start,
                                         const bytes::ControllerDateTime& end) {
    PeriodSeries series(KindOf(archive), ctx.tables.op, start, end);
    return RunReading(ctx, archive, series);
}

}  // namespace zor06::messages
