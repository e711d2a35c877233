#include "config/device_links.h"

#include "config/text_field.h"
#include "link/baud_rates.h"

namespace zor06::config {
namespace {

constexpr int kEncal3000 = 3;
constexpr long kMaxModbusAddress = 247;

bool InRange(const std::optional<int>& v, int min, int max) {
    return v && *v >= min && *v <= max;
}

std::optional<int> Pick(std::uint8_t v, int min, int max) {
    return v >= min && v <= max ? std::optional<int>(v) : std::nullopt;
}

int LastRate() {
    return static_cast<int>(link::kBaudRates.size()) - 1;
}

Refusal AddressRefusal(const std::optional<long>& address) {
    if (*address < 1 || *address > kMaxModbusAddress) {
        return Refuse("Адрес должен быть", "в диапазоне 1...247");
    }
    return std::nullopt;
}

}  // namespace

ChromatographEntries FillChromatographLink(std::span<const std::uint8_t, kChromatographLinkBytes> t,
                                           int flowComputers) {
    ChromatographEntries e;
    e.address = std::to_string(t[0]);
    e.rateIndex = Pick(t[1], 0, LastRate());
    e.mode = Pick(t[2], 0, 1);
    e.parity = Pick(t[3], 0, 2);
    e.timeout = Pick(t[4], 5, 255);
    e.failures = Pick(t[5], 1, 10);
    e.type = Pick(t[6], kEncal3000, kEncal3000);
    for (std::size_t run = 0; run < 2; ++run) {
        e.runs[run] = (t[7] >> run & 1U) != 0;
        // Also for a run not in use: ticking it shows what its bytes hold.
        if (flowComputers > 0) {
            e.sources[run] = {Pick(t[10 + 2 * run], 0, flowComputers - 1),
                              Pick(t[11 + 2 * run], 1, 3)};
        }
    }
    return e;
}

Refusal AcceptChromatographLink(const ChromatographEntries& e, int flowComputers,
                                std::span<std::uint8_t, kChromatographLinkBytes> t) {
    const auto address = ParseEntry(e.address);
    bool complete = address && InRange(e.rateIndex, 0, LastRate()) && InRange(e.mode, 0, 1) &&
                    InRange(e.parity, 0, 2) && InRange(e.timeout, 5, 255) &&
                    InRange(e.failures, 1, 10) && e.type == kEncal3000 && (e.runs[0] || e.runs[1]);
    for (std::size_t run = 0; run < 2 && complete; ++run) {
        if (e.runs[run] && flowComputers > 0) {
            // An index past the connected flow computers is no choice.
            complete = InRange(e.sources[run].flowComputer, 0, flowComputers - 1) &&
                       InRange(e.sources[run].pipeline, 1, 3);
        }
    }
    if (!complete) {
        return Refuse("Введены не все параметры");
    }
    if (auto refusal = AddressRefusal(address)) {
        return refusal;
    }
    const std::uint8_t sync[2] = {t[8], t[9]};
    std::fill(t.begin(), t.end(), std::uint8_t{0});
    t[0] = static_cast<std::uint8_t>(*address);
    t[1] = static_cast<std::uint8_t>(*e.rateIndex);
    t[2] = static_cast<std::uint8_t>(*e.mode);
    t[3] = static_cast<std::uint8_t>(*e.parity);
    t[4] = static_cast<std::uint8_t>(*e.timeout);
    t[5] = static_cast<std::uint8_t>(*e.failures);
    t[6] = kEncal3000;
    t[7] = static_cast<std::uint8_t>((e.runs[0] ? 1 : 0) | (e.runs[1] ? 2 : 0));
    t[8] = sync[0];
    t[9] = sync[1];
    for (std::size_t run = 0; run < 2; ++run) {
        if (e.runs[run] && flowComputers > 0) {
            t[10 + 2 * run] = static_cast<std::uint8_t>(*e.sources[run].flowComputer);
            t[11 + 2 * run] = static_cast<std::uint8_t>(*e.sources[run].pipeline);
        }
    }
    return std::nullopt;
}

MoistureEntries FillMoistureLink(std::span<const std::uint8_t, kMoistureLinkBytes> t) {
    MoistureEntries e;
    e.address = std::to_string(t[0]);
    e.rateIndex = Pick(t[1], 0, LastRate());
    e.mode = Pick(t[2], 0, 1);
    e.timeout = std::to_string(t[4]);
    e.failures = Pick(t[5], 1, 10);
    e.type = Pick(t[6], 0, 1);
    return e;
}

Refusal AcceptMoistureLink(const MoistureEntries& e,
                           std::span<std::uint8_t, kMoistureLinkBytes> t) {
    const auto address = ParseEntry(e.address);
    const auto timeout = ParseEntry(e.timeout);
    if (!address || !InRange(e.mode, 0, 1) || !timeout || !InRange(e.failures, 1, 10) ||
        !InRange(e.type, 0, 1) || !InRange(e.rateIndex, 0, LastRate())) {
        return Refuse("Введены не все параметры");
    }
    if (auto refusal = AddressRefusal(address)) {
        return refusal;
    }
    if (*timeout < 5 || *timeout > 255) {
        return Refuse("Таймаут должен быть", "в диапазоне 5...255");
    }
    t[0] = static_cast<std::uint8_t>(*address);
    t[1] = static_cast<std::uint8_t>(*e.rateIndex);
    t[2] = static_cast<std::uint8_t>(*e.mode);
    t[3] = 0;
    t[4] = static_cast<std::uint8_t>(*timeout);
    t[5] = static_cast<std::uint8_t>(*e.failures);
    t[6] = static_cast<std::uint8_t>(*e.type);
    t[7] = 0;
    return std::nullopt;
}

}  // namespace zor06::config
