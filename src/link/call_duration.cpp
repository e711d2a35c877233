#include "link/call_duration.h"

#include <algorithm>

#include "text/text_format.h"

namespace zor06::link {

std::string CallDurationText(platform::Duration elapsed) {
    constexpr long long kMinute = 60;
    constexpr long long kHour = 60 * kMinute;
    const long long seconds =
        std::max<long long>(0, std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
    return text::Printf("%02lld:%02lld:%02lld", seconds / kHour, seconds % kHour / kMinute,
                        seconds % kMinute);
}

}  // namespace zor06::link
