// The name fields of the data-set header as text.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace zor06::dataset {

// A name field (Windows-1251, up to the first zero) as text, without its blanks.
std::string HeaderName(std::span<const std::uint8_t> field);

}  // namespace zor06::dataset
