#include "tests/support/scripted_channel.h"

#include <algorithm>
#include <memory>

#include "link/crc16.h"

namespace zor06::test {

void ScriptedChannel::DiscardQueues() {
    ++discards;
    // Only what has arrived can be thrown away; a reply still on its way comes later.
    while (!pending_.empty() && pending_.front().at <= clock_.Now()) {
        pending_.pop_front();
    }
}

long ScriptedChannel::Transmit(std::span<const std::uint8_t> bytes) {
    if (failWrites) {
        return -1;
    }
    transmissions.emplace_back(bytes.begin(), bytes.end());
    platform::MonoTime at = clock_.Now();
    for (Chunk& chunk : responder_(transmissions.back())) {
        at += chunk.after;
        // A late answer to an earlier transmission may still be on its way: keep arrival order.
        const auto before = std::find_if(pending_.begin(), pending_.end(),
                                         [&](const Pending& p) { return p.at > at; });
        pending_.insert(before, {at, std::move(chunk.bytes)});
    }
    return acceptOnly >= 0 ? std::min<long>(acceptOnly, static_cast<long>(bytes.size()))
                           : static_cast<long>(bytes.size());
}

platform::ReceiveResult ScriptedChannel::Receive(std::span<std::uint8_t> into,
                                                 platform::MonoTime until) {
    if (failReads) {
        return {0, true};
    }
    if (pending_.empty() || pending_.front().at > until) {
        clock_.SleepUntil(until);
        return {};
    }
    clock_.SleepUntil(pending_.front().at);
    Bytes& front = pending_.front().bytes;
    const std::size_t n = std::min(into.size(), front.size());
    std::copy_n(front.begin(), n, into.begin());
    front.erase(front.begin(), front.begin() + static_cast<long>(n));
    if (front.empty()) {
        pending_.pop_front();
    }
    return {n, false};
}

bool ScriptedChannel::SetBaud(int baud) {
    currentBaud = baud;
    baudsApplied.push_back(baud);
    return true;
}

Bytes ReplyFrame(std::uint8_t address, std::uint8_t code, const Bytes& data) {
    // Sized once and filled in place: GCC's -O3 misreads an insert behind an initialiser list.
    Bytes frame(data.size() + 6, 0);
    frame[0] = 0x33;
    frame[1] = address;
    frame[2] = static_cast<std::uint8_t>(data.size() + 6);
    frame[3] = code;
    std::copy(data.begin(), data.end(), frame.begin() + 4);
    link::PutCrc16(frame.data(), frame.size() - 2);
    return frame;
}

Bytes ReadReply(std::uint8_t address, std::uint8_t table, std::uint8_t first, std::uint8_t count,
                const Bytes& values) {
    Bytes data{0, table, first, count};
    data.insert(data.end(), values.begin(), values.end());
    return ReplyFrame(address, 0x81, data);
}

Bytes ErrorReply(std::uint8_t address, std::uint8_t code, const Bytes& data) {
    return ReplyFrame(address, code, data);
}

ScriptedChannel::Responder Always(std::vector<Chunk> chunks) {
    return [chunks](const Bytes&) { return chunks; };
}

ScriptedChannel::Responder InTurn(std::vector<std::vector<Chunk>> answers) {
    auto state = std::make_shared<std::pair<std::vector<std::vector<Chunk>>, std::size_t>>(
        std::move(answers), 0);
    return [state](const Bytes&) {
        auto& [list, next] = *state;
        return next < list.size() ? list[next++] : std::vector<Chunk>{};
    };
}

}  // namespace zor06::test
