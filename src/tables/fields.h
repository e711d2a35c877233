// The fields the program reads by name rather than as part of a whole table: what table 0 says
// of the controller, the links with the devices, the chromatograph's serial number and the
// controller's software checksum.
#pragma once

#include <cstdint>

namespace zor06::fields {

struct Field {
    std::uint8_t table = 0;
    std::uint8_t field = 0;
};

inline constexpr Field kDestroyedTable{0, 0};  // the number of a destroyed table, 0 when none
inline constexpr Field kControllerType{0, 1};
inline constexpr Field kSoftwareVersion{0, 3};
inline constexpr Field kSeveralSpeeds{0, 11};  // 0: the controller works at one speed only
inline constexpr Field kNamesCodePage{0, 12};  // 0: the names of table 5 are in code page 866
inline constexpr Field kFlowComputersFitted{6, 9};
inline constexpr Field kFlowComputerCount{9, 0};
inline constexpr Field kChromatographLink{33, 0};  // 0: no link with the chromatograph
inline constexpr Field kMoistureLink{33, 1};       // 0: no link with the moisture meter
inline constexpr Field kChromatographSerial{41, 0};
inline constexpr Field kSoftwareChecksum{41, 1};

}  // namespace zor06::fields
