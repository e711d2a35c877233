// Whatever the controller sends, ReadFields puts into the image exactly the values of a reply
// that answers its request, and nothing at all otherwise.
#include "tests/fuzz/fuzz_line.h"

using namespace zor06;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    if (size < fuzz::kOptionBytes) {
        return 0;
    }
    const tables::TableHeader header = fuzz::PickHeader(input, link::kMaxReadValueBytes);
    fuzz::FuzzedLine line(input);
    auto ctx = line.Context();
    const bool ok = tables::ReadFields(ctx, header, line.show);

    fuzz::Require(line.UntouchedOutside(header));
    const auto range = line.image.Fields(header.table, header.first, header.count);
    if (!ok) {
        fuzz::Require(std::all_of(range.begin(), range.end(),
                                  [](std::uint8_t b) { return b == fuzz::kImageFill; }));
        return 0;
    }
    const auto& reply = line.link.replyFrame;
    fuzz::Require(reply[link::kOffCode] == (link::code::kReadTable | link::kReplyFlag));
    fuzz::Require(reply[link::kOffLength] == link::ReadReply::kOverhead + range.size());
    fuzz::Require(reply[5] == header.table && reply[6] == header.first && reply[7] == header.count);
    fuzz::Require(std::equal(range.begin(), range.end(), reply.begin() + 8));
    return 0;
}
