#include "tables/controller_image.h"

#include <algorithm>

#include "bytes/byte_reader.h"
#include "bytes/byte_writer.h"
#include "text/codepage.h"

namespace zor06::tables {

std::span<std::uint8_t> ControllerImage::Fields(int table, int first, int count) {
    return std::span<std::uint8_t>(bytes).subspan(
        FieldOffset(table, first), static_cast<std::size_t>(count) * Table(table).fieldSize);
}

std::span<const std::uint8_t> ControllerImage::Fields(int table, int first, int count) const {
    return std::span<const std::uint8_t>(bytes).subspan(
        FieldOffset(table, first), static_cast<std::size_t>(count) * Table(table).fieldSize);
}

void ControllerImage::SetBytes(int table, std::initializer_list<std::uint8_t> values) {
    std::ranges::copy(values, Fields(table, 0, static_cast<int>(values.size())).begin());
}

std::uint32_t ControllerImage::U32(int table, int field) const {
    return bytes::ByteReader(Field(table, field)).U32();
}

void ControllerImage::SetU32(int table, int field, std::uint32_t value) {
    bytes::ByteWriter(Field(table, field)).U32(value);
}

float ControllerImage::Float(int table, int field) const {
    return bytes::ByteReader(Field(table, field)).F32();
}

void ControllerImage::SetFloat(int table, int field, float value) {
    bytes::ByteWriter(Field(table, field)).F32(value);
}

void ControllerImage::SetText(int table, int field, std::string_view text) {
    const auto b = Field(table, field);
    std::ranges::fill(b, std::uint8_t{' '});
    std::copy_n(text.begin(), std::min(text.size(), b.size()), b.begin());
}

std::string ControllerImage::Name(int field) const {
    const auto f = Field(5, field);
    std::string text(f.begin(), f.end());
    // A zero byte ends the text; blanks around it are padding.
    text.erase(std::min(text.find('\0'), text.size()));
    const auto end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    const auto begin = text.find_first_not_of(' ');
    text.erase(0, begin == std::string::npos ? text.size() : begin);
    return text::Cp1251ToUtf8(text);
}

}  // namespace zor06::tables
