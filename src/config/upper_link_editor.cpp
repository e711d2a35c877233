#include "config/upper_link_editor.h"

#include "config/text_field.h"
#include "link/baud_rates.h"

namespace zor06::config {
namespace {

constexpr long kMaxAddress = 254;
constexpr long kMaxPreambles = 255;

}  // namespace

UpperLinkEntries FillUpperLink(std::span<const std::uint8_t, kUpperLinkBytes> target,
                               bool rateEnabled) {
    UpperLinkEntries e;
    e.address = std::to_string(target[0]);
    if (target[1] < link::kBaudRates.size()) {
        e.rateIndex = target[1];
    }
    e.rateEnabled = rateEnabled;
    e.preambles = std::to_string(target[2]);
    return e;
}

Refusal AcceptUpperLink(const UpperLinkEntries& e,
                        std::span<std::uint8_t, kUpperLinkBytes> target) {
    const auto address = ParseEntry(e.address);
    const auto preambles = ParseEntry(e.preambles);
    const bool rateMissing =
        e.rateEnabled && (!e.rateIndex || *e.rateIndex < 0 ||
                          *e.rateIndex >= static_cast<int>(link::kBaudRates.size()));
    if (!address || rateMissing || !preambles) {
        return Refuse("Введены не все параметры");
    }
    if (*preambles > kMaxPreambles) {
        return Refuse("Количество преамбул не должно превышать 255");
    }
    if (*address < 1 || *address > kMaxAddress) {
        return Refuse("Адрес должен быть", "в диапазоне 1...254");
    }
    target[0] = static_cast<std::uint8_t>(*address);
    if (e.rateEnabled) {
        target[1] = static_cast<std::uint8_t>(*e.rateIndex);
    }
    target[2] = static_cast<std::uint8_t>(*preambles);
    target[3] = 0;
    return std::nullopt;
}

bool UpperLinkRateEditable(bool directLine, const tables::ControllerImage& image) {
    return directLine && image.Byte(fields::kSeveralSpeeds) != 0;
}

}  // namespace zor06::config
