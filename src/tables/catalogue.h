// The controller's 43 numbered tables: field count, field size, writability, name, and the place
// of each table in the 1837-byte controller image.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace zor06::tables {

constexpr int kTableCount = 43;
constexpr std::size_t kImageSize = 1837;

struct TableInfo {
    std::uint8_t fieldCount;  // 0 for a table number the controller does not have
    std::uint8_t fieldSize;
    bool writable;
    std::uint16_t imageOffset;
    std::string_view name;  // UTF-8; the leading blank belongs to the name
    constexpr std::size_t Bytes() const { return std::size_t{fieldCount} * fieldSize; }
};

// The descriptor of `table`; an empty descriptor for numbers outside 0..42.
const TableInfo& Table(int table);

// Image offset of field `field` of `table`.
std::size_t FieldOffset(int table, int field);

}  // namespace zor06::tables
