#include "config/names_editor.h"

#include <algorithm>

#include "config/text_field.h"

namespace zor06::config {

Names FillNames(std::span<const std::uint8_t, kNamesBytes> target) {
    Names names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        names[i] = TrimmedField(target.subspan(i * kNameBytes, kNameBytes));
    }
    return names;
}

Refusal AcceptNames(const Names& names, std::span<std::uint8_t, kNamesBytes> target) {
    if (std::ranges::any_of(names, [](const std::string& n) { return Blank(n); })) {
        return Refuse("Введены не все параметры");
    }
    std::ranges::fill(target, std::uint8_t{0});
    for (std::size_t i = 0; i < names.size(); ++i) {
        StoreField(names[i], target.subspan(i * kNameBytes, kNameBytes), 0);
    }
    return std::nullopt;
}

}  // namespace zor06::config
