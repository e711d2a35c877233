// Writes little-endian fields in order into a byte span of fixed size or onto the end of a vector.
// A write past the end of a span writes nothing and marks the writer failed.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace zor06::bytes {

class ByteWriter {
public:
    explicit ByteWriter(std::span<std::uint8_t> out) : span_(out) {}
    explicit ByteWriter(std::vector<std::uint8_t>& out) : vector_(&out) {}

    void U8(std::uint8_t v) { Bytes(std::span<const std::uint8_t>(&v, 1)); }
    void U16(std::uint16_t v) { Little(v, 2); }
    void U32(std::uint32_t v) { Little(v, 4); }
    void U64(std::uint64_t v) { Little(v, 8); }
    void I16(std::int16_t v) { U16(static_cast<std::uint16_t>(v)); }
    void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
    void F32(float v) { U32(std::bit_cast<std::uint32_t>(v)); }
    void F64(double v) { U64(std::bit_cast<std::uint64_t>(v)); }
    void Bytes(std::span<const std::uint8_t> bytes);
    // Zero bytes over a gap the record leaves unused.
    void Skip(std::size_t count);

    bool Ok() const { return ok_; }
    std::size_t Position() const { return at_; }

    // The field operations of a record's Fields(io, record).
    void operator()(std::uint8_t v) { U8(v); }
    void operator()(std::uint16_t v) { U16(v); }
    void operator()(std::uint32_t v) { U32(v); }
    void operator()(std::uint64_t v) { U64(v); }
    void operator()(std::int16_t v) { I16(v); }
    void operator()(std::int32_t v) { I32(v); }
    void operator()(float v) { F32(v); }
    void operator()(double v) { F64(v); }
    void operator()(char v) { U8(static_cast<std::uint8_t>(v)); }
    template <class T, std::size_t N>
    void operator()(const std::array<T, N>& values) {
        for (const T& v : values) {
            (*this)(v);
        }
    }
    template <class Record>
    requires requires(ByteWriter& io, Record& r) { Fields(io, r); }
    void operator()(const Record& r) {
        Record copy = r;  // Fields takes the record as its decoding fills it
        Fields(*this, copy);
    }

private:
    void Little(std::uint64_t v, std::size_t count);

    std::span<std::uint8_t> span_;
    std::vector<std::uint8_t>* vector_ = nullptr;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace zor06::bytes
