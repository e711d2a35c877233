// How chromatograph values are shown: the conversion after the report settings (composition
// as mole or volume fractions, MJ or kcal, values as delivered or computed from the
// composition), the order of the value columns, their headings and their number texts.
#pragma once

#include <array>
#include <string>

#include "gasdata/data_view.h"
#include "gasdata/records.h"
#include "settings/settings_types.h"

namespace zor06::gasdata {

inline constexpr double kKcalPerMj = 239.08;
inline constexpr double kAirDensity = 1.20445;  // kg/m3: density = relative density x this

struct ComponentConstants {
    double z;  // compressibility
    double higherMj;
    double higherKcal;
    double lowerMj;
    double lowerKcal;
    double relativeDensity;
    double molarMass;
    double last;  // kept with the table, not used by the conversion
};

// One row per component, in the parameter order of ChrValues.
extern const std::array<ComponentConstants, kComponents> kComponentTable;

// The heating values and Wobbe indices: in kcal/m3 when the thermal unit says so.
inline constexpr std::array<int, 4> kThermalParameters{11, 18, 13, 17};

// Rewrites every value of `p` with the value to show.
void ConvertForDisplay(ChrValues& p, const settings::ReportConfig& config);

// Column c of a chromatograph view shows parameter kDisplayOrder[c].
inline constexpr std::array<int, kChrParameters> kDisplayOrder{
    0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15, 11, 18, 13, 17, 12, 19, 14, 16};

// Three heading lines and the unit of a parameter, after the composition and thermal unit.
ColumnHeading ChrParameterHeading(int parameter, const settings::ReportConfig& config);

// The decimals of a parameter's texts: its fr setting, kept within what a number can show.
int ChrDecimals(int parameter, const settings::ReportConfig& config);

// Fixed notation with `decimals` decimals and the point as separator, whatever the locale.
std::string FixedText(double value, int decimals);
// A cell text of at most 7 characters is right-aligned to 8.
std::string AlignedCell(std::string text);
// The value cell of a chromatograph view: FixedText, aligned.
std::string ChrNumberText(double value, int decimals);

}  // namespace zor06::gasdata
