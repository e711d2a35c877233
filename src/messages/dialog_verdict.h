// What "Принять" of a period dialog makes of its entries: the period, or the message refusing it.
#pragma once

#include <optional>
#include <string_view>

#include "dataset/data_set_header.h"

namespace zor06::messages {

struct Period {
    bytes::ControllerDateTime start{};
    bytes::ControllerDateTime end{};
    bool operator==(const Period&) const = default;
};

struct PeriodVerdict {
    std::optional<Period> accepted;
    std::string_view text1;
    std::string_view text2;
};

inline constexpr std::string_view kEndBeforeStart1 = "Дата и время конца опроса должны быть";
inline constexpr std::string_view kEndBeforeStart2 = "больше даты и времени начала опроса";

}  // namespace zor06::messages
