// The oldest and newest dates that a data archive holds (year - 2000, month, day, hour, minute).
#pragma once

#include <array>
#include <cstdint>

namespace zor06::messages {

using Date5 = std::array<std::uint8_t, 5>;

struct ArchiveBounds {
    Date5 oldest{};
    Date5 newest{};
};

}  // namespace zor06::messages
