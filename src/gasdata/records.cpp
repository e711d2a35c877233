#include "gasdata/records.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "link/crc16.h"

namespace zor06::gasdata {
namespace {

// Reads and writes the fields of a record in order, little-endian.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
    template <std::size_t N>
    std::array<std::uint8_t, N> Bytes() {
        std::array<std::uint8_t, N> out{};
        std::copy_n(bytes_.begin() + static_cast<long>(at_), N, out.begin());
        at_ += N;
        return out;
    }
    std::uint8_t U8() { return bytes_[at_++]; }
    std::uint16_t U16() {
        const auto b = Bytes<2>();
        return static_cast<std::uint16_t>(b[0] | b[1] << 8);
    }
    float F32() {
        const auto b = Bytes<4>();
        return std::bit_cast<float>(static_cast<std::uint32_t>(b[0]) | std::uint32_t{b[1]} << 8 |
                                    std::uint32_t{b[2]} << 16 | std::uint32_t{b[3]} << 24);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

class Writer {
public:
    explicit Writer(std::span<std::uint8_t> bytes) : bytes_(bytes) {}
    void Bytes(std::span<const std::uint8_t> b) {
        std::ranges::copy(b, bytes_.begin() + static_cast<long>(at_));
        at_ += b.size();
    }
    void U8(std::uint8_t b) { bytes_[at_++] = b; }
    void U16(std::uint16_t v) {
        U8(static_cast<std::uint8_t>(v));
        U8(static_cast<std::uint8_t>(v >> 8));
    }
    void F32(float f) {
        const auto v = std::bit_cast<std::uint32_t>(f);
        for (int i = 0; i < 4; ++i) {
            U8(static_cast<std::uint8_t>(v >> (8 * i)));
        }
    }

private:
    std::span<std::uint8_t> bytes_;
    std::size_t at_ = 0;
};

template <std::size_t N>
std::array<float, N> Floats(Reader& r) {
    std::array<float, N> out{};
    for (float& f : out) {
        f = r.F32();
    }
    return out;
}

template <std::size_t N>
void PutFloats(Writer& w, const std::array<float, N>& values) {
    for (const float f : values) {
        w.F32(f);
    }
}

// The field widths of each layout add up to its record size.
static_assert(6 + 1 + 2 + 2 + ChrValues::kSize + 2 == ChrMinRecord::kSize);
static_assert(3 + 3 + 3 + 1 + ChrValues::kSize + 2 == ChrHdRecord::kSize);
static_assert(6 + 1 + 2 + 2 + 4 * kWmtValues + 2 == WmtMinRecord::kSize);
static_assert(3 + 3 + 3 + 1 + 4 * kWmtValues + 2 == WmtHdRecord::kSize);
static_assert(4 * kChrParameters == ChrValues::kSize);

}  // namespace

ChrValues ChrValues::Decode(std::span<const std::uint8_t, kSize> bytes) {
    Reader r(bytes);
    return {Floats<kChrParameters>(r)};
}

void ChrValues::Encode(std::span<std::uint8_t, kSize> out) const {
    Writer w(out);
    PutFloats(w, v);
}

bool IsInvalidValue(float value) {
    return (std::bit_cast<std::uint32_t>(value) & 0x7F800000U) == 0x7F800000U;
}

bool RecordCrcValid(std::span<const std::uint8_t> record) {
    return record.size() > 2 && link::Crc16(record) == 0;
}

void SealRecord(std::span<std::uint8_t> record) {
    if (record.size() > 2) {
        link::PutCrc16(record.data(), record.size() - 2);
    }
}

ChrMinRecord ChrMinRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    Reader r(bytes);
    ChrMinRecord rec;
    rec.date = r.Bytes<6>();
    rec.state = r.U8();
    rec.statusWord = r.U16();
    rec.reserved = r.Bytes<2>();
    rec.values.v = Floats<kChrParameters>(r);
    rec.crc = r.Bytes<2>();
    return rec;
}

std::array<std::uint8_t, ChrMinRecord::kSize> ChrMinRecord::Encode() const {
    std::array<std::uint8_t, kSize> out{};
    Writer w(out);
    w.Bytes(date);
    w.U8(state);
    w.U16(statusWord);
    w.Bytes(reserved);
    PutFloats(w, values.v);
    w.Bytes(crc);
    return out;
}

ChrHdRecord ChrHdRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    Reader r(bytes);
    ChrHdRecord rec;
    rec.date = r.Bytes<3>();
    rec.start = r.Bytes<3>();
    rec.end = r.Bytes<3>();
    rec.status = r.U8();
    rec.values.v = Floats<kChrParameters>(r);
    rec.crc = r.Bytes<2>();
    return rec;
}

std::array<std::uint8_t, ChrHdRecord::kSize> ChrHdRecord::Encode() const {
    std::array<std::uint8_t, kSize> out{};
    Writer w(out);
    w.Bytes(date);
    w.Bytes(start);
    w.Bytes(end);
    w.U8(status);
    PutFloats(w, values.v);
    w.Bytes(crc);
    return out;
}

WmtMinRecord WmtMinRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    Reader r(bytes);
    WmtMinRecord rec;
    rec.date = r.Bytes<6>();
    rec.state = r.U8();
    rec.reserved = r.Bytes<2>();
    rec.statusWord = r.U16();
    rec.values = Floats<kWmtValues>(r);
    rec.crc = r.Bytes<2>();
    return rec;
}

std::array<std::uint8_t, WmtMinRecord::kSize> WmtMinRecord::Encode() const {
    std::array<std::uint8_t, kSize> out{};
    Writer w(out);
    w.Bytes(date);
    w.U8(state);
    w.Bytes(reserved);
    w.U16(statusWord);
    PutFloats(w, values);
    w.Bytes(crc);
    return out;
}

WmtHdRecord WmtHdRecord::Decode(std::span<const std::uint8_t, kSize> bytes) {
    Reader r(bytes);
    WmtHdRecord rec;
    rec.date = r.Bytes<3>();
    rec.start = r.Bytes<3>();
    rec.end = r.Bytes<3>();
    rec.status = r.U8();
    rec.values = Floats<kWmtValues>(r);
    rec.crc = r.Bytes<2>();
    return rec;
}

std::array<std::uint8_t, WmtHdRecord::kSize> WmtHdRecord::Encode() const {
    std::array<std::uint8_t, kSize> out{};
    Writer w(out);
    w.Bytes(date);
    w.Bytes(start);
    w.Bytes(end);
    w.U8(status);
    PutFloats(w, values);
    w.Bytes(crc);
    return out;
}

bytes::ControllerDateTime RecordDate(std::span<const std::uint8_t> record, bool threeMinute) {
    bytes::ControllerDateTime date{};
    if (record.size() >= 6) {
        std::copy_n(record.begin(), 6, date.begin());
    }
    if (!threeMinute) {
        date[5] = 0;  // hourly and daily records: the interval's start, to the minute
    }
    return date;
}

}  // namespace zor06::gasdata
