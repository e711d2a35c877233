// The records of the two message archives as the controller sends them, and their check.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "dataset/data_set_header.h"

namespace zor06::messages {

inline constexpr std::size_t kInterventionSize = 24;
inline constexpr std::size_t kDiagnosticSize = 22;

using Value4 = std::array<std::uint8_t, 4>;

struct InterventionRecord {
    bytes::ControllerDateTime when{};
    std::uint8_t table = 0;
    std::uint8_t field = 0;
    std::uint8_t unit = 0;
    Value4 oldValue{};
    Value4 newValue{};
    std::array<std::uint8_t, 4> user{};

    static InterventionRecord Decode(std::span<const std::uint8_t, kInterventionSize> bytes);
    // With the checksum over bytes 0..21 in bytes 22..23.
    std::array<std::uint8_t, kInterventionSize> Encode() const;
};

template <class Io>
constexpr void Fields(Io& io, InterventionRecord& r) {
    io(r.when);
    io.Skip(1);
    io(r.table);
    io(r.field);
    io(r.unit);
    io(r.oldValue);
    io(r.newValue);
    io(r.user);
    io.Skip(2);  // the checksum
}

struct DiagnosticRecord {
    bytes::ControllerDateTime when{};
    std::uint8_t event = 0;
    std::uint8_t object = 0;
    std::uint8_t index = 0;
    Value4 first{};   // current value, or the chromatograph's error code in byte 0
    Value4 second{};  // setpoint or limit crossed

    static DiagnosticRecord Decode(std::span<const std::uint8_t, kDiagnosticSize> bytes);
    // With the checksum over bytes 0..19 in bytes 20..21.
    std::array<std::uint8_t, kDiagnosticSize> Encode() const;
};

template <class Io>
constexpr void Fields(Io& io, DiagnosticRecord& r) {
    io(r.when);
    io(r.event);
    io.Skip(1);
    io(r.object);
    io(r.index);
    io(r.first);
    io(r.second);
    io.Skip(2);
    io.Skip(2);  // the checksum
}

// A record is intact when the checksum over all its bytes, its own included, is 0.
bool RecordValid(std::span<const std::uint8_t> record);

float FloatOf(const Value4& bytes);
Value4 BytesOf(float value);

// Four characters of a name, up to the first zero, from Windows-1251 into the program's text.
std::string NameText(const std::array<std::uint8_t, 4>& bytes);

}  // namespace zor06::messages
