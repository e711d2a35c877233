#include "dataset/header_name.h"

#include <algorithm>
#include <string_view>

#include "text/codepage.h"
#include "text/text_format.h"

namespace zor06::dataset {

std::string HeaderName(std::span<const std::uint8_t> field) {
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    const std::string name =
        text::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(field.data()),
                                            static_cast<std::size_t>(end - field.begin())));
    return std::string(text::TrimBlanks(name));
}

}  // namespace zor06::dataset
