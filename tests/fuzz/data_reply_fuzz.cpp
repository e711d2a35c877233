// Arbitrary replies to the data-archive requests never make the reply view read outside the
// frame: a reply it takes holds exactly the records its count names, never more than a reply
// may hold, and those records decode and show without fault.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "gasdata/data_kind.h"
#include "gasdata/data_view_model.h"
#include "link/reply_views.h"

namespace {

using zor06::gasdata::DataKind;

constexpr std::size_t kRecordsAt = 5;
constexpr std::size_t kChecksumSize = 2;

void Check(std::span<const std::uint8_t> frame, DataKind kind) {
    const auto& k = zor06::gasdata::KindOf(kind);
    const auto reply = zor06::link::ArchiveReply::Parse(frame, k.functionCode, k.recordSize);
    const auto fit = zor06::link::JudgeReply(
        zor06::link::ArchiveReply::Expect(k.functionCode, k.recordSize, k.perReply), frame);
    if (!reply) {
        if (fit == zor06::link::ReplyFit::Fits) {
            std::abort();
        }
        return;
    }
    const std::size_t length = zor06::link::FrameBytes(frame).size();
    if (kRecordsAt + reply->Count() * k.recordSize + kChecksumSize != length) {
        std::abort();
    }
    if ((fit == zor06::link::ReplyFit::Fits) != (reply->Count() <= k.perReply)) {
        std::abort();
    }
    zor06::gasdata::DataSet set;
    set.kind = kind;
    set.records.assign(reply->Records().begin(), reply->Records().end());
    set.header.recordCount = static_cast<std::uint32_t>(reply->Count());
    const auto view = zor06::gasdata::BuildDataView(set, {});
    if (view.rows.size() != reply->Count()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> frame(data, size);
    for (const DataKind kind : {DataKind::ChrMinute, DataKind::ChrHour, DataKind::ChrDay,
                                DataKind::WmtMinute, DataKind::WmtHour, DataKind::WmtDay}) {
        Check(frame, kind);
    }
    return 0;
}
