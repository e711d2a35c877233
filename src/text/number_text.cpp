#include "text/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "text/text_format.h"

namespace zor06::text {

std::string NumberText(float value) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    // An infinity has all exponent bits set too: the controller's "no value".
    if ((bits & 0x7F800000U) == 0x7F800000U) {
        return "NAN";
    }
    if (value == 0.0F) {
        return "0";
    }
    const double magnitude = std::fabs(value);
    const int decimals = magnitude < 10      ? 4
                         : magnitude < 100   ? 3
                         : magnitude < 1000  ? 2
                         : magnitude < 10000 ? 1
                                             : 0;
    return Printf("%.*f", decimals, static_cast<double>(value));
}

}  // namespace zor06::text
