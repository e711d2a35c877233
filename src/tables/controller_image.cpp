#include "tables/controller_image.h"

#include "tables/codepage.h"

namespace zor06::tables {

std::span<std::uint8_t> ControllerImage::Fields(int table, int first, int count) {
    const TableInfo& t = Table(table);
    return {bytes.data() + FieldOffset(table, first),
            static_cast<std::size_t>(count) * t.fieldSize};
}

std::span<const std::uint8_t> ControllerImage::Fields(int table, int first, int count) const {
    const TableInfo& t = Table(table);
    return {bytes.data() + FieldOffset(table, first),
            static_cast<std::size_t>(count) * t.fieldSize};
}

std::uint32_t ControllerImage::U32(int table, int field) const {
    const auto f = Field(table, field);
    return static_cast<std::uint32_t>(f[0]) | static_cast<std::uint32_t>(f[1]) << 8 |
           static_cast<std::uint32_t>(f[2]) << 16 | static_cast<std::uint32_t>(f[3]) << 24;
}

void ControllerImage::SetU32(int table, int field, std::uint32_t value) {
    const auto f = Field(table, field);
    for (int i = 0; i < 4; ++i) {
        f[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::string ControllerImage::Name(int field) const {
    const auto f = Field(5, field);
    std::string text(f.begin(), f.end());
    const auto end = text.find_last_not_of(std::string(" \0", 2));
    text.erase(end == std::string::npos ? 0 : end + 1);
    // A zero byte ends the text; blanks in front are not part of the name either.
    text.erase(std::min(text.find('\0'), text.size()));
    const auto begin = text.find_first_not_of(' ');
    text.erase(0, begin == std::string::npos ? text.size() : begin);
    return Cp1251ToUtf8(text);
}

}  // namespace zor06::tables
