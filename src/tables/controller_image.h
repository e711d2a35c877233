// The in-memory copy of all controller tables, laid out as the catalogue says.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "tables/catalogue.h"

namespace zor06::tables {

class ControllerImage {
public:
    // The bytes of `count` fields of `table` from `first`; the caller keeps inside the table.
    std::span<std::uint8_t> Fields(int table, int first, int count);
    std::span<const std::uint8_t> Fields(int table, int first, int count) const;
    std::span<std::uint8_t> Field(int table, int field) { return Fields(table, field, 1); }
    std::span<const std::uint8_t> Field(int table, int field) const {
        return Fields(table, field, 1);
    }
    // One-byte fields read as a number.
    std::uint8_t Byte(int table, int field) const { return Field(table, field)[0]; }
    // A field of four bytes, little-endian.
    std::uint32_t U32(int table, int field) const;
    void SetU32(int table, int field, std::uint32_t value);
    // A name field of table 5 as UTF-8 with the blanks and zero padding trimmed.
    std::string Name(int field) const;

    std::array<std::uint8_t, kImageSize> bytes{};
};

}  // namespace zor06::tables
