// What the chromatograph's momentary window shows of a run: the latest analysis from table 30
// (run 1) or 38 (run 2) converted as the data views convert it, and each parameter's zone from
// table 32 or 39; with it the texts of the additional-parameters window and of the legend.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "gasdata/records.h"
#include "settings/settings_types.h"

namespace zor06::gasdata {

inline constexpr int kChrMomentaryFields = 22;  // date, time and the 20 values, 4 bytes each
inline constexpr std::size_t kChrMomentaryBytes = 88;
inline constexpr std::size_t kChrZoneBytes = kChrParameters;  // one code per parameter

inline constexpr char kChrMomentaryNameHeading[] = "Наименование параметра";
inline constexpr char kChrMomentaryValueHeading[] = "Значение";
inline constexpr char kChrMomentaryTimeLabel[] = "Время последнего опроса хроматографа";
inline constexpr char kExtraParametersCaption[] = "Дополнительные параметры контроллера";
inline constexpr char kChrSerialLabel[] = "Серийный номер хроматографа";
inline constexpr char kSoftwareChecksumLabel[] = "Контрольная сумма ПО контроллера";
inline constexpr char kLegendCaption[] = "Условные обозначения, принятые в программе";
inline constexpr int kLegendLines = 37;

// The momentary values and the zone codes of run 0 or 1.
std::uint8_t ChrMomentaryTable(int run);
std::uint8_t ChrZoneTable(int run);

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb&) const = default;
};

struct GasZone {
    std::string text;
    Rgb colour;
};

// The text and colour of a zone code; a code the program does not know shows "?" in green.
GasZone ZoneOf(std::uint8_t code);
// The sum of the components (15) and the gas temperature (16) have no zone.
bool HasZone(int parameter);

// The parts of the window that stay as they are while it is open.
struct ChrMomentaryFrame {
    std::string caption;
    std::array<std::string, kChrParameters> names;  // "name, unit" in parameter order
    std::string formulaLabel;                       // how the heat values were worked out
};
ChrMomentaryFrame ChrMomentaryFrameOf(std::uint32_t serial, std::string_view runName,
                                      const settings::ReportConfig& config);

// One refresh of the values: the time of the analysis and the 20 value texts.
struct ChrMomentaryValues {
    std::string time;  // dd.mm.yy hh:mm:ss
    std::array<std::string, kChrParameters> values;
};
ChrMomentaryValues ChrMomentaryValuesOf(std::span<const std::uint8_t, kChrMomentaryBytes> fields,
                                        const settings::ReportConfig& config);

// One refresh of the zones: none for the parameters without a zone.
using ChrZones = std::array<std::optional<GasZone>, kChrParameters>;
ChrZones ChrZonesOf(std::span<const std::uint8_t, kChrZoneBytes> codes);

// The legend, after the composition setting.
std::array<std::string, kLegendLines> LegendLines(const settings::ReportConfig& config);

}  // namespace zor06::gasdata
