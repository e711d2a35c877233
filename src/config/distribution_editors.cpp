#include "config/distribution_editors.h"

#include <algorithm>

namespace zor06::config {
std::string_view GasParameterName(int index) {
    return index >= 0 && index < kGasParameterCount
               ? tables::kGasParameters[static_cast<std::size_t>(index)].editorName
               : "";
}

bool GasParameterUsed(int index) {
    return tables::GasParameterChecked(index);
}

std::optional<int> FillPeriod(std::span<const std::uint8_t, 2> target) {
    const auto it = std::ranges::find(kDistributionPeriods, target[0]);
    if (it == kDistributionPeriods.end()) {
        return std::nullopt;
    }
    return static_cast<int>(it - kDistributionPeriods.begin());
}

Refusal AcceptPeriod(std::optional<int> periodIndex, std::span<std::uint8_t, 2> target) {
    if (!periodIndex || *periodIndex < 0 ||
        *periodIndex >= static_cast<int>(kDistributionPeriods.size())) {
        return Refuse("Не введен период");
    }
    target[0] =
        static_cast<std::uint8_t>(kDistributionPeriods[static_cast<std::size_t>(*periodIndex)]);
    target[1] = 0;
    return std::nullopt;
}

WriteChoices FillWriteChoices(std::span<const std::uint8_t, kGasParameterCount> target) {
    WriteChoices choices;
    for (int i = 0; i < kGasParameterCount; ++i) {
        const std::uint8_t b = target[static_cast<std::size_t>(i)];
        if (!GasParameterUsed(i)) {
            choices[static_cast<std::size_t>(i)] = 0;
        } else if (b <= 1) {
            choices[static_cast<std::size_t>(i)] = b;
        }
    }
    return choices;
}

Refusal AcceptWriteChoices(const WriteChoices& choices,
                           std::span<std::uint8_t, kGasParameterCount> target) {
    const bool complete = std::ranges::all_of(
        choices, [](const std::optional<int>& c) { return c && (*c == 0 || *c == 1); });
    if (!complete) {
        InputError error = Refuse("Введены не все параметры", "Ошибка");
        error.plainBox = true;
        return error;
    }
    for (int i = 0; i < kGasParameterCount; ++i) {
        target[static_cast<std::size_t>(i)] =
            GasParameterUsed(i) ? static_cast<std::uint8_t>(*choices[static_cast<std::size_t>(i)])
                                : 0;
    }
    return std::nullopt;
}

}  // namespace zor06::config
