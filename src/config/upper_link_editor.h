// Table 3: the controller's line to the upper-level system (address, baud rate, preambles).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "config/editor.h"
#include "tables/controller_image.h"

namespace zor06::config {

inline constexpr std::size_t kUpperLinkBytes = 4;

struct UpperLinkEntries {
    std::string address;           // typed or chosen, 1..254
    std::optional<int> rateIndex;  // index into the 22 baud rates
    bool rateEnabled = true;       // the rate list can be changed
    std::string preambles;         // 0..255
};

UpperLinkEntries FillUpperLink(std::span<const std::uint8_t, kUpperLinkBytes> target,
                               bool rateEnabled);

Refusal AcceptUpperLink(const UpperLinkEntries& entries,
                        std::span<std::uint8_t, kUpperLinkBytes> target);

// Whether the baud rate may be changed in device mode: only over the direct line (the program
// follows the new rate on the same line) and only when the controller can change its rate.
bool UpperLinkRateEditable(bool directLine, const tables::ControllerImage& image);

}  // namespace zor06::config
