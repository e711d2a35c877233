// A chromatograph composition checked and turned into the mole fractions of the species the
// ISO 6976 tables hold: refused when a value is no number or negative or the sum is off
// 100 % by more than the tolerance, normalised to 100 % within it.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "gasdata/iso6976_constants.h"
#include "gasdata/records.h"

namespace zor06::gasdata::iso6976 {

enum class HeavyFraction {
    AsHexane,                  // C6+ counted as n-hexane
    SplitHexaneHeptaneOctane,  // C6+ split after kHeavySplit
};

inline constexpr double kSumTolerance = 0.5;  // per cent either side of 100

struct SpeciesFractions {
    std::array<double, kSpeciesCount> x{};  // mole fractions, summing to 1
    bool normalised = false;                // the sum was not 100 % and was scaled to it
};

struct CompositionResult {
    std::optional<SpeciesFractions> fractions;  // absent when refused
    std::string refusal;                        // why, when refused
};

// Mole per cent in the controller's order of ChrValues.
using Composition = std::array<double, kComponents>;

// The first kComponents values of a record, widened.
Composition CompositionOf(const ChrValues& values);

CompositionResult SpeciesOf(const Composition& percent, HeavyFraction heavy);

}  // namespace zor06::gasdata::iso6976
