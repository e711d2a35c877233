#include "archive/reading_loop.h"

namespace zor06::archive {

std::optional<link::ArchiveReply> AskArchive(tables::TableContext& ctx, const Request& request,
                                             std::size_t recordSize,
                                             std::span<const std::uint8_t> taken) {
    link::hgcbox& link = ctx.link;
    const link::ReplyExpectation expected = link::ArchiveReply::Expect(
        request.code, recordSize, request.maxRecords, {taken, request.fits});
    if (link.Request(request.code, request.data, expected)) {
        std::optional<link::ArchiveReply> reply =
            link::ArchiveReply::Parse(link.replyFrame, request.code, recordSize);
        if (reply) {
            return reply;
        }
    }
    ctx.op.SetStatusText(dialogue::Panel::Message, link.StatusText());
    return std::nullopt;
}

LoopResult RunSeries(tables::TableContext& ctx, Series& series, RecordSink& sink) {
    dialogue::Operator& op = ctx.op;
    const std::size_t recordSize = series.RecordSize();
    LoopResult result;
    std::vector<std::uint8_t> taken;
    std::vector<std::uint8_t> kept;
    for (;;) {
        const std::optional<link::ArchiveReply> reply =
            AskArchive(ctx, series.Next(), recordSize, taken);
        if (!reply) {
            const bool part = result.records > 0 && series.ShowsPart();
            op.ShowMessage(dialogue::MessageKind::Info, series.Title(),
                           part ? "прочитаны не полностью" : "не прочитаны");
            result.end = ReadingEnd::LinkFailed;
            return result;
        }
        taken.assign(reply->Records().begin(), reply->Records().end());
        kept.clear();
        const Verdict verdict = series.Take(*reply, kept);
        if (verdict == Verdict::Abandoned || !sink.Append(kept)) {
            result.end = ReadingEnd::NothingShown;
            return result;
        }
        result.records += kept.size() / recordSize;
        if (verdict == Verdict::Empty) {
            return result;
        }
        op.ProcessEvents();
        if (verdict == Verdict::Refused) {
            result.end = ReadingEnd::Refused;
            return result;
        }
        if (op.Interrupted()) {
            result.end = ReadingEnd::Interrupted;
            return result;
        }
        if (verdict == Verdict::Last) {
            return result;
        }
    }
}

}  // namespace zor06::archive
