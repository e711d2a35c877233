// Where the chromatograph views' calorific values, densities and Wobbe indices come from, after
// the report settings, and how each place that shows them names the method.
#pragma once

#include <string>

#include "gasdata/iso6976.h"
#include "settings/settings_types.h"

namespace zor06::gasdata {

// The ISO 6976 conditions the settings name.
iso6976::ReferenceConditions IsoConditionsOf(const settings::ReportConfig& config);

// The printed data report's calculation-standard words, after "... выполнен".
std::string ReportStandardText(const settings::ReportConfig& config);
// The momentary window's label.
std::string MomentaryFormulaLabel(const settings::ReportConfig& config);
// What a view's caption adds to say the values were computed after ISO 6976:2016 (and at which
// conditions); empty for the other methods, whose captions say nothing of them.
std::string CaptionMethodText(const settings::ReportConfig& config);

}  // namespace zor06::gasdata
