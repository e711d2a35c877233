// Reads little-endian fields in order from a byte span. A read past the end takes no byte, yields
// zero and marks the reader failed, so a short input is reported, never read beyond.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>

namespace zor06::bytes {

class ByteReader {
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t U8();
    std::uint16_t U16() { return static_cast<std::uint16_t>(Little(2)); }
    std::uint32_t U32() { return static_cast<std::uint32_t>(Little(4)); }
    std::uint64_t U64() { return Little(8); }
    std::int16_t I16() { return static_cast<std::int16_t>(U16()); }
    std::int32_t I32() { return static_cast<std::int32_t>(U32()); }
    float F32() { return std::bit_cast<float>(U32()); }
    double F64() { return std::bit_cast<double>(U64()); }
    // The next `count` bytes; empty (and failed) when fewer are left.
    std::span<const std::uint8_t> Bytes(std::size_t count);
    template <std::size_t N>
    std::array<std::uint8_t, N> Array() {
        std::array<std::uint8_t, N> out{};
        const auto from = Bytes(N);
        for (std::size_t i = 0; i < from.size(); ++i) {
            out[i] = from[i];
        }
        return out;
    }
    void Skip(std::size_t count) { Bytes(count); }

    bool Ok() const { return ok_; }
    std::size_t Position() const { return at_; }
    std::size_t Remaining() const { return bytes_.size() - at_; }

    // The field operations of a record's Fields(io, record).
    void operator()(std::uint8_t& v) { v = U8(); }
    void operator()(std::uint16_t& v) { v = U16(); }
    void operator()(std::uint32_t& v) { v = U32(); }
    void operator()(std::uint64_t& v) { v = U64(); }
    void operator()(std::int16_t& v) { v = I16(); }
    void operator()(std::int32_t& v) { v = I32(); }
    void operator()(float& v) { v = F32(); }
    void operator()(double& v) { v = F64(); }
    void operator()(char& v) { v = static_cast<char>(U8()); }
    template <class T, std::size_t N>
    void operator()(std::array<T, N>& values) {
        for (T& v : values) {
            (*this)(v);
        }
    }
    // A nested record: its own field list.
    template <class Record>
    requires requires(ByteReader& io, Record& r) { Fields(io, r); }
    void operator()(Record& r) { Fields(*this, r); }

private:
    std::uint64_t Little(std::size_t count);

    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
    bool ok_ = true;
};

}  // namespace zor06::bytes
