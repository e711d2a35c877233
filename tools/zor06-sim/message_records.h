// Deterministic record contents of the two message archives, cycling through every table and
// field the intervention decoding knows and every kind of diagnostic event.
#pragma once

#include <array>
#include <cstdint>

namespace zor06::sim {

// Bytes 6..21 of an intervention record (before its CRC): the k-th pattern. The old and new names
// of table 5 are kept in the controller's code page of its names.
std::array<std::uint8_t, 16> InterventionBody(std::uint32_t k, bool namesInCp866);
// Bytes 6..19 of a diagnostic record (before its CRC): the k-th pattern.
std::array<std::uint8_t, 14> DiagnosticBody(std::uint32_t k);

}  // namespace zor06::sim
