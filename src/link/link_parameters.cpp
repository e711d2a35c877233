#include "link/link_parameters.h"

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

std::int32_t MillisToSeconds(std::int32_t millis) {
    return millis / 1000;
}

LinkParameters ParametersOf(LinkKind kind, const LinkParameters& record, int portWaitS,
                            bool closePortAfterExchange) {
    LinkParameters p = record;
    p.linkKind = kind;
    p.portWaitS = portWaitS;
    p.closePortAfterExchange = kind == LinkKind::Direct && closePortAfterExchange;
    return p;
}

void LoadLinkObject(hgcbox& link, const LinkParameters& p) {
    LinkParameters& held = link;
    held = p;
    held.closePortAfterExchange = p.linkKind == LinkKind::Direct && p.closePortAfterExchange;
}

}  // namespace zor06::link
