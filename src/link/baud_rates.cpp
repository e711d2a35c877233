#include "link/baud_rates.h"

#include <algorithm>

namespace zor06::link {

std::optional<int> RateToIndex(int rate) {
    const auto it = std::find(kBaudRates.begin(), kBaudRates.end(), rate);
    if (it == kBaudRates.end()) {
        return std::nullopt;
    }
    return static_cast<int>(it - kBaudRates.begin());
}

int IndexToRate(int index) {
    if (index < 0 || index >= static_cast<int>(kBaudRates.size())) {
        return 0;
    }
    return kBaudRates[static_cast<std::size_t>(index)];
}

}  // namespace zor06::link
