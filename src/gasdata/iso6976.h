// The properties of a natural gas computed from its composition after ISO 6976:2016: molar mass,
// compression factor, calorific values, density, relative density and Wobbe indices at a
// combustion reference temperature t1, a metering reference temperature t2 and 101.325 kPa.
#pragma once

#include <optional>
#include <string>

#include "gasdata/iso6976_composition.h"
#include "gasdata/records.h"

namespace zor06::gasdata::iso6976 {

struct ReferenceConditions {
    double combustionCelsius = 25;  // t1: 0, 15, 20 or 25
    double meteringCelsius = 20;    // t2: 0, 15 or 20
    HeavyFraction heavy = HeavyFraction::AsHexane;
};

struct GasProperties {
    double molarMass;          // g/mol
    double compressionFactor;  // at t2
    double superiorMolar;      // ideal, kJ/mol
    double inferiorMolar;
    double superiorMass;  // MJ/kg
    double inferiorMass;
    double superiorVolume;  // real gas, MJ/m3
    double inferiorVolume;
    double density;          // real gas, kg/m3
    double relativeDensity;  // real gas
    double superiorWobbe;    // MJ/m3
    double inferiorWobbe;
    bool normalised;  // the composition did not sum to 100 % and was scaled to it
};

struct GasPropertiesResult {
    std::optional<GasProperties> properties;  // absent when refused
    std::string refusal;                      // why, when refused
};

GasPropertiesResult ComputeGasProperties(const Composition& percent,
                                         const ReferenceConditions& conditions);
// The record's composition; its other values are not read.
GasPropertiesResult ComputeGasProperties(const ChrValues& values,
                                         const ReferenceConditions& conditions);

}  // namespace zor06::gasdata::iso6976
