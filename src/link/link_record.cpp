#include "link/link_record.h"

#include <algorithm>
#include <limits>

#include "link/hgcbox.h"

namespace zor06::link {

std::int32_t SecondsToMillis(std::int64_t seconds) {
    constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
    // Clamped in seconds first, so that the product itself cannot overflow.
    const std::int64_t clamped = std::clamp(seconds, kMin / 1000, kMax / 1000);
    return static_cast<std::int32_t>(clamped * 1000);
}

LinkParameters ParametersOf(LinkKind kind, const LinkRecord& record, int portWaitS,
                            bool closePortAfterExchange) {
    LinkParameters p;
    p.kind = kind;
    p.comPort = record.comPort;
    p.portName = record.portName;
    p.address = record.address;
    p.baud = record.baud;
    p.preambles = record.preambles;
    p.attempts = record.attempts;
    p.interByteTimeoutMs = record.interByteTimeoutMs;
    p.firstByteTimeoutMs = SecondsToMillis(record.firstByteTimeoutS);
    p.portWaitS = portWaitS;
    p.closePortAfterExchange = kind == LinkKind::Direct && closePortAfterExchange;
    return p;
}

void LoadLinkObject(hgcbox& link, const LinkParameters& p) {
    link.linkKind = p.kind;
    link.comPort = p.comPort;
    link.portName = p.portName;
    link.address = p.address;
    link.baud = p.baud;
    link.preambles = p.preambles;
    link.attempts = p.attempts;
    link.interByteTimeoutMs = p.interByteTimeoutMs;
    link.firstByteTimeoutMs = p.firstByteTimeoutMs;
    link.portWait = p.portWaitS;
    link.closePortAfterExchange = p.kind == LinkKind::Direct && p.closePortAfterExchange;
}

}  // namespace zor06::link
