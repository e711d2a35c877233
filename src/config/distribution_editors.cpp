#include "config/distribution_editors.h"

#include <algorithm>

namespace zor06::config {
namespace {

// The "е" of "всeх" is a Latin e in this text.
constexpr std::string_view kGasParameterNames[kGasParameterCount] = {
    " Суммарная МД гексана и б.т.с.",
    " Молярная доля пропана",
    " Молярная доля i-бутана",
    " Молярная доля n-бутана",
    " Молярная доля нео-пентана",
    " Молярная доля i-пентана",
    " Молярная доля n-пентана",
    " Молярная доля азота",
    " Молярная доля метана",
    " Молярная доля диоксида углерода",
    " Молярная доля этана",
    " Теплота сгорания высшая",
    " Абсолютная плотность",
    " Число Воббе высшее",
    " Фактор сжимаемости",
    " Сумма мол.долей всeх компонентов",
    " Температура газа",
    " Число Воббе низшее",
    " Теплота сгорания низшая",
    " Относительная плотность",
};

}  // namespace

std::string_view GasParameterName(int index) {
    return index >= 0 && index < kGasParameterCount ? kGasParameterNames[index] : "";
}

bool GasParameterUsed(int index) {
    return index != 15 && index != 16;
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
