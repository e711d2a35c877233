#include "settings/link_ranges.h"

#include "link/baud_rates.h"

namespace zor06::settings {
namespace {

constexpr bool TableFollowsTheEnum() {
    for (std::size_t i = 0; i < kLinkRanges.size(); ++i) {
        if (static_cast<std::size_t>(kLinkRanges[i].parameter) != i) {
            return false;
        }
    }
    return true;
}
static_assert(TableFollowsTheEnum(), "RangeOf indexes the table by the parameter");

}  // namespace

bool Accepts(LinkParameter parameter, long long value) {
    const LinkRange& range = RangeOf(parameter);
    if (value < range.min || value > range.max) {
        return false;
    }
    return parameter != LinkParameter::Baud ||
           link::RateToIndex(static_cast<int>(value)).has_value();
}

int ValueOrDefault(LinkParameter parameter, long long value) {
    return Accepts(parameter, value) ? static_cast<int>(value) : RangeOf(parameter).defaultValue;
}

}  // namespace zor06::settings
