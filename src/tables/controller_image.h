// The in-memory copy of all controller tables, laid out as the catalogue says; multi-byte values
// are little-endian as the controller keeps them.
#pragma once

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "tables/catalogue.h"
#include "tables/fields.h"

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
    std::span<std::uint8_t> Whole(int table) { return Fields(table, 0, Table(table).fieldCount); }

    // One-byte fields read as a number.
    std::uint8_t Byte(int table, int field) const { return Field(table, field)[0]; }
    void SetByte(int table, int field, std::uint8_t value) { Field(table, field)[0] = value; }
    std::uint8_t Byte(fields::Field f) const { return Byte(f.table, f.field); }
    // One-byte fields from field 0 on.
    void SetBytes(int table, std::initializer_list<std::uint8_t> values);
    // Four-byte fields.
    std::uint32_t U32(int table, int field) const;
    std::uint32_t U32(fields::Field f) const { return U32(f.table, f.field); }
    void SetU32(int table, int field, std::uint32_t value);
    float Float(int table, int field) const;
    void SetFloat(int table, int field, float value);
    // Windows-1251 text in a field, blank-padded (and cut) to the field size.
    void SetText(int table, int field, std::string_view text);
    // A name field of table 5 as UTF-8 with the blanks and zero padding trimmed.
    std::string Name(int field) const;

    std::array<std::uint8_t, kImageSize> bytes{};
};

// Whether the names of table 5 are in code page 866 (table 0 says so) rather than in 1251.
inline bool NamesInCp866(const ControllerImage& image) {
    return image.Byte(fields::kNamesCodePage) == 0;
}

}  // namespace zor06::tables
