// The controller's 1837-byte table image with field access by table number, multi-byte values in
// little-endian order as the controller keeps them.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

#include "tables/catalogue.h"

namespace zor06::sim {

class TableImage {
public:
    // `count` fields of `table` from `first`; the caller keeps within the table.
    std::span<std::uint8_t> Fields(int table, int first, int count);
    std::span<const std::uint8_t> Fields(int table, int first, int count) const;
    std::span<std::uint8_t> Whole(int table);

    std::uint8_t Byte(int table, int field) const { return Fields(table, field, 1)[0]; }
    void SetByte(int table, int field, std::uint8_t value) { Fields(table, field, 1)[0] = value; }
    // One-byte fields from field 0 on.
    void SetBytes(int table, std::initializer_list<std::uint8_t> values);

    std::uint32_t U32(int table, int field) const;
    void SetU32(int table, int field, std::uint32_t value);
    float Float(int table, int field) const;
    void SetFloat(int table, int field, float value);
    // Text in a field, blank-padded (and cut) to the field size.
    void SetText(int table, int field, std::string_view text);

private:
    std::array<std::uint8_t, tables::kImageSize> bytes_{};
};

}  // namespace zor06::sim
