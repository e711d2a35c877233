#include "zor06-sim/table_image.h"

#include <algorithm>
#include <bit>
#include <cstddef>

namespace zor06::sim {

std::span<std::uint8_t> TableImage::Fields(int table, int first, int count) {
    const tables::TableInfo& info = tables::Table(table);
    return std::span<std::uint8_t>(bytes_).subspan(tables::FieldOffset(table, first),
                                                   std::size_t(count) * info.fieldSize);
}

std::span<const std::uint8_t> TableImage::Fields(int table, int first, int count) const {
    const tables::TableInfo& info = tables::Table(table);
    return std::span<const std::uint8_t>(bytes_).subspan(tables::FieldOffset(table, first),
                                                         std::size_t(count) * info.fieldSize);
}

std::span<std::uint8_t> TableImage::Whole(int table) {
    return Fields(table, 0, tables::Table(table).fieldCount);
}

void TableImage::SetBytes(int table, std::initializer_list<std::uint8_t> values) {
    std::ranges::copy(values, Fields(table, 0, static_cast<int>(values.size())).begin());
}

std::uint32_t TableImage::U32(int table, int field) const {
    const std::span<const std::uint8_t> b = Fields(table, field, 1).first(4);
    return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
           std::uint32_t{b[3]} << 24;
}

void TableImage::SetU32(int table, int field, std::uint32_t value) {
    const std::span<std::uint8_t> b = Fields(table, field, 1).first(4);
    for (std::size_t i = 0; i < 4; ++i) {
        b[i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

float TableImage::Float(int table, int field) const {
    return std::bit_cast<float>(U32(table, field));
}

void TableImage::SetFloat(int table, int field, float value) {
    SetU32(table, field, std::bit_cast<std::uint32_t>(value));
}

void TableImage::SetText(int table, int field, std::string_view text) {
    const std::span<std::uint8_t> b = Fields(table, field, 1);
    std::ranges::fill(b, std::uint8_t{' '});
    std::copy_n(text.begin(), std::min(text.size(), b.size()), b.begin());
}

}  // namespace zor06::sim
