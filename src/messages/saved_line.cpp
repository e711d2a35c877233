#include "messages/saved_line.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "text/codepage.h"

namespace zor06::messages {
namespace {

using Widths = std::array<std::size_t, kCellCount>;

constexpr Widths kInterventionWidths{20, 20, 100, 20, 20, 20, 5};
constexpr Widths kDiagnosticWidths{20, 20, 100, 100, 20, 20, 20};

constexpr std::size_t Sum(const Widths& w) {
    std::size_t total = 0;
    for (std::size_t x : w) {
        total += x;
    }
    return total;
}
static_assert(Sum(kInterventionWidths) == kInterventionLineSize);
static_assert(Sum(kDiagnosticWidths) == kDiagnosticLineSize);

const Widths& WidthsOf(Archive archive) {
    return archive == Archive::Interventions ? kInterventionWidths : kDiagnosticWidths;
}

}  // namespace

std::size_t SavedLineSize(Archive archive) {
    return archive == Archive::Interventions ? kInterventionLineSize : kDiagnosticLineSize;
}

std::string EncodeSavedLine(Archive archive, const MessageRow& row) {
    std::string line(SavedLineSize(archive), '\0');
    std::size_t offset = 0;
    const Widths& widths = WidthsOf(archive);
    for (std::size_t c = 0; c < kCellCount; ++c) {
        const std::string cell = text::Utf8ToCp1251(row[c]);
        const std::size_t n = std::min(cell.size(), widths[c] - 1);
        std::copy_n(cell.begin(), n, line.begin() + static_cast<std::ptrdiff_t>(offset));
        offset += widths[c];
    }
    return line;
}

MessageRow DecodeSavedLine(Archive archive, std::span<const std::uint8_t> line) {
    MessageRow row;
    std::size_t offset = 0;
    const Widths& widths = WidthsOf(archive);
    for (std::size_t c = 0; c < kCellCount && offset + widths[c] <= line.size(); ++c) {
        const auto field = line.subspan(offset, widths[c]);
        const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
        row[c] =
            text::Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(field.data()),
                                                static_cast<std::size_t>(end - field.begin())));
        offset += widths[c];
    }
    return row;
}

}  // namespace zor06::messages
