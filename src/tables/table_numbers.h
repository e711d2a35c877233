// The controller's tables the program reaches by number outside the catalogue's loops.
#pragma once

namespace zor06::tables {

inline constexpr int kClockTable = 2;
inline constexpr int kUpperLinkTable = 3;
inline constexpr int kUsersTable = 4;
inline constexpr int kNamesTable = 5;  // the controller's and the runs' names
inline constexpr int kSystemTable = 6;
inline constexpr int kStateTable = 7;  // which configuration tables are destroyed
inline constexpr int kFunctionsTable = 8;
inline constexpr int kFlowLineTable = 9;  // the line to the flow computers
inline constexpr int kFlowPasswordTable = 13;
inline constexpr int kChromatographLinkTable = 14;
inline constexpr int kSignsTable = 16;
inline constexpr int kFlowAddressTable = 18;
inline constexpr int kFirstRecordsTable = 27;
inline constexpr int kDeviceLinksTable = 33;
inline constexpr int kFlowLinkTable = 34;
inline constexpr int kFlowWritingTable = 35;
inline constexpr int kWmtMomentaryTable = 37;
inline constexpr int kExtraParametersTable = 41;
inline constexpr int kChromatographClockTable = 42;

}  // namespace zor06::tables
