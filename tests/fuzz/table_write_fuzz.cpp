// Whatever the controller sends, WriteFields succeeds only on the exact echo of what it wrote,
// never changes the image, and moves the link to another address only after writing it.
#include "tests/fuzz/fuzz_line.h"

using namespace zor06;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> input(data, size);
    if (size < fuzz::kOptionBytes) {
        return 0;
    }
    const tables::TableHeader header = fuzz::PickHeader(input, link::kMaxWriteValueBytes);
    fuzz::FuzzedLine line(input);
    auto ctx = line.Context();
    const bool ok = tables::WriteFields(ctx, header, line.show);

    fuzz::Require(line.UntouchedOutside(header));
    const auto range = line.image.Fields(header.table, header.first, header.count);
    fuzz::Require(std::all_of(range.begin(), range.end(),
                              [](std::uint8_t b) { return b == fuzz::kImageFill; }));
    // The values went out behind the credentials and the header.
    fuzz::Require(!line.channel->transmissions.empty());
    const test::Bytes& sent = line.channel->transmissions.front();
    fuzz::Require(sent.size() == 26 + range.size() &&
                  std::equal(range.begin(), range.end(), sent.begin() + link::kOffWriteValues));

    const bool addressWritten = header.table == 3 && header.first == 0;
    fuzz::Require(line.link.address == 1 ||
                  (addressWritten && line.link.address == fuzz::kImageFill));
    if (ok) {
        const auto& reply = line.link.replyFrame;
        fuzz::Require(reply[link::kOffCode] == (link::code::kWriteTable | link::kReplyFlag));
        fuzz::Require(reply[link::kOffLength] == link::WriteReply::kLength);
        fuzz::Require(reply[5] == header.table && reply[6] == header.first &&
                      reply[7] == header.count);
    }
    return 0;
}
