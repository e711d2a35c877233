// Records described once, as a list of fields, and decoded and encoded from that one list:
//
//     template <class Io>
//     constexpr void Fields(Io& io, Record& r) { io(r.date); io.Skip(1); io(r.value); }
//
// `io` is a ByteReader, a ByteWriter or the ByteCounter that sizes the record at compile time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "bytes/byte_reader.h"
#include "bytes/byte_writer.h"
#include "bytes/controller_date_time.h"

namespace zor06::bytes {

// Adds up the field sizes of a record.
struct ByteCounter {
    std::size_t size = 0;

    constexpr void Skip(std::size_t count) { size += count; }
    template <class T>
    requires std::is_arithmetic_v<T>
    constexpr void operator()(const T&) { size += sizeof(T); }
    template <class T, std::size_t N>
    constexpr void operator()(const std::array<T, N>& values) {
        for (const T& v : values) {
            (*this)(v);
        }
    }
    template <class Record>
    requires requires(ByteCounter& io, Record& r) { Fields(io, r); }
    constexpr void operator()(Record& r) { Fields(*this, r); }
};

// The bytes a record takes: the sum of its field sizes.
template <class Record>
constexpr std::size_t SizeOf() {
    ByteCounter counter;
    Record r{};
    Fields(counter, r);
    return counter.size;
}

// The record at the start of `bytes`; none when they are fewer than its fields take.
template <class Record>
std::optional<Record> Decode(std::span<const std::uint8_t> bytes) {
    ByteReader reader(bytes);
    Record r{};
    Fields(reader, r);
    if (!reader.Ok()) {
        return std::nullopt;
    }
    return r;
}

// A record from exactly its own number of bytes, which cannot fall short.
template <class Record>
Record DecodeExact(std::span<const std::uint8_t, SizeOf<Record>()> bytes) {
    ByteReader reader(bytes);
    Record r{};
    Fields(reader, r);
    return r;
}

template <class Record>
std::array<std::uint8_t, SizeOf<Record>()> Encode(const Record& record) {
    std::array<std::uint8_t, SizeOf<Record>()> out{};
    ByteWriter writer(out);
    writer(record);
    return out;
}

// Into the start of `out`; false, with nothing written past its end, when it is too short.
template <class Record>
bool EncodeTo(const Record& record, std::span<std::uint8_t> out) {
    ByteWriter writer(out);
    writer(record);
    return writer.Ok();
}

}  // namespace zor06::bytes
