// The properties of a gas from a composition typed on the command line, after ISO 6976:2016; no
// controller is involved.
#include <array>
#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>

#include "gasdata/iso6976.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/shared_options.h"

namespace zor06::ctl {
namespace {

namespace iso = gasdata::iso6976;

// The names --composition takes, at the index of their component in the controller's order.
constexpr std::array<std::string_view, gasdata::kComponents> kComponentNames{
    "c6plus",    "propane",  "i-butane", "n-butane", "neo-pentane", "i-pentane",
    "n-pentane", "nitrogen", "methane",  "co2",      "ethane"};

std::string OneOf(std::string_view name, std::string_view value,
                  std::initializer_list<std::string_view> allowed, std::string_view shown) {
    for (std::string_view a : allowed) {
        if (value == a) {
            return {};
        }
    }
    return std::string(name) + " takes " + std::string(shown);
}

std::string CombustionTemperature(std::string_view name, std::string_view value) {
    return OneOf(name, value, {"0", "15", "20", "25"}, "0, 15, 20 or 25 (°C)");
}
std::string MeteringTemperature(std::string_view name, std::string_view value) {
    return OneOf(name, value, {"0", "15", "20"}, "0, 15 or 20 (°C)");
}
std::string HeavyFraction(std::string_view name, std::string_view value) {
    return OneOf(name, value, {"hexane", "split"}, "hexane or split");
}

// "NAME=PCT,..." into mole per cent; the components not named are 0. Empty `error` on success.
iso::Composition ParseComposition(std::string_view text, std::string* error) {
    iso::Composition percent{};
    std::array<bool, gasdata::kComponents> named{};
    while (!text.empty()) {
        const std::size_t comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        text = comma == std::string_view::npos ? std::string_view{} : text.substr(comma + 1);
        const std::size_t equals = item.find('=');
        const std::string_view name = item.substr(0, equals);
        std::size_t index = 0;
        while (index < kComponentNames.size() && kComponentNames[index] != name) {
            ++index;
        }
        if (equals == std::string_view::npos || index == kComponentNames.size()) {
            *error = "--composition: \"" + std::string(item) +
                     "\" is not NAME=PCT with NAME one of methane, ethane, propane, i-butane, "
                     "n-butane, neo-pentane, i-pentane, n-pentane, c6plus, nitrogen, co2";
            return {};
        }
        if (named[index]) {
            *error = "--composition names " + std::string(name) + " twice";
            return {};
        }
        named[index] = true;
        const std::string_view number = item.substr(equals + 1);
        const auto [end, failed] =
            std::from_chars(number.data(), number.data() + number.size(), percent[index]);
        if (number.empty() || failed != std::errc{} || end != number.data() + number.size()) {
            *error = "--composition: " + std::string(name) + " needs a number, not \"" +
                     std::string(number) + "\"";
            return {};
        }
    }
    return percent;
}

struct Shown {
    const char* key;
    double iso::GasProperties::*value;
    const char* format;  // of the value in both forms
    const char* unit;
};

constexpr Shown kShown[] = {
    {"M", &iso::GasProperties::molarMass, "%.6f", "g/mol"},
    {"Z", &iso::GasProperties::compressionFactor, "%.8f", ""},
    {"Hs_molar", &iso::GasProperties::superiorMolar, "%.6f", "kJ/mol"},
    {"Hi_molar", &iso::GasProperties::inferiorMolar, "%.6f", "kJ/mol"},
    {"Hs_mass", &iso::GasProperties::superiorMass, "%.6f", "MJ/kg"},
    {"Hi_mass", &iso::GasProperties::inferiorMass, "%.6f", "MJ/kg"},
    {"Hs", &iso::GasProperties::superiorVolume, "%.6f", "MJ/m3"},
    {"Hi", &iso::GasProperties::inferiorVolume, "%.6f", "MJ/m3"},
    {"D", &iso::GasProperties::density, "%.6f", "kg/m3"},
    {"d", &iso::GasProperties::relativeDensity, "%.6f", ""},
    {"Ws", &iso::GasProperties::superiorWobbe, "%.6f", "MJ/m3"},
    {"Wi", &iso::GasProperties::inferiorWobbe, "%.6f", "MJ/m3"},
};

std::string Formatted(const char* format, double value) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), format, value);
    return text.data();
}

void Print(const iso::GasProperties& p, const iso::ReferenceConditions& c, bool json) {
    if (json) {
        std::string object = "{";
        for (const Shown& s : kShown) {
            object += (object.size() > 1 ? ", \"" : "\"") + std::string(s.key) +
                      "\": " + Formatted(s.format, p.*s.value);
        }
        std::printf("%s}\n", object.c_str());
        return;
    }
    std::printf("ISO 6976:2016, combustion %g °C, metering %g °C, 101.325 kPa%s\n",
                c.combustionCelsius, c.meteringCelsius,
                c.heavy == iso::HeavyFraction::AsHexane ? ", C6+ as n-hexane"
                                                        : ", C6+ split into C6, C7 and C8");
    for (const Shown& s : kShown) {
        std::printf("%s\t%s%s%s\n", s.key, Formatted(s.format, p.*s.value).c_str(),
                    *s.unit != '\0' ? " " : "", s.unit);
    }
}

int RunGasProperties(Session& s) {
    const CommandLine& cl = s.cl;
    if (!cl.args.empty()) {
        return UsageError("gas-properties takes no arguments", cl.command);
    }
    if (!cl.Given("--composition")) {
        return UsageError("gas-properties needs --composition", cl.command);
    }
    std::string error;
    const iso::Composition percent = ParseComposition(cl.ValueOf({"--composition"}), &error);
    if (!error.empty()) {
        return UsageError(error, cl.command);
    }
    iso::ReferenceConditions conditions;
    if (cl.Given("--combustion")) {
        conditions.combustionCelsius = std::stod(cl.ValueOf({"--combustion"}));
    }
    if (cl.Given("--metering")) {
        conditions.meteringCelsius = std::stod(cl.ValueOf({"--metering"}));
    }
    if (cl.ValueOf({"--c6plus"}) == "split") {
        conditions.heavy = iso::HeavyFraction::SplitHexaneHeptaneOctane;
    }
    const iso::GasPropertiesResult result = iso::ComputeGasProperties(percent, conditions);
    if (!result.properties) {
        return UsageError(result.refusal, cl.command);
    }
    if (result.properties->normalised) {
        double sum = 0;
        for (double v : percent) {
            sum += v;
        }
        // On stderr, so that the values on stdout stay one object or one table.
        std::fprintf(stderr, "The components summed to %.4f %% and were normalised to 100 %%.\n",
                     sum);
    }
    Print(*result.properties, conditions, cl.json);
    return kExitOk;
}

constexpr Synopsis kGasPropertiesSynopsis[] = {
    {"gas-properties --composition NAME=PCT,... [--combustion T]\n"
     "           [--metering T] [--c6plus hexane|split] [--json]",
     "the properties of a gas composition after ISO 6976:2016"},
};

constexpr Option kGasPropertiesOptions[] = {
    {.name = "--composition", .value = "NAME=PCT,...", .check = NeedsValue},
    {.name = "--combustion", .value = "T", .check = CombustionTemperature},
    {.name = "--metering", .value = "T", .check = MeteringTemperature},
    {.name = "--c6plus", .value = "hexane|split", .check = HeavyFraction},
};

}  // namespace

constinit const Command kGasPropertiesCommand{
    .name = "gas-properties",
    .synopsis = kGasPropertiesSynopsis,
    .help =
        "zor06ctl gas-properties --composition NAME=PCT,... [--combustion T] [--metering T]\n"
        "                        [--c6plus hexane|split] [--json]\n"
        "  Computes, after ISO 6976:2016 at 101.325 kPa, the molar mass M (g/mol), the\n"
        "  compression factor Z, the superior and inferior calorific values per mole\n"
        "  (Hs_molar, Hi_molar, kJ/mol), per mass (Hs_mass, Hi_mass, MJ/kg) and per volume\n"
        "  of real gas (Hs, Hi, MJ/m3), the density D (kg/m3), the relative density d and\n"
        "  the Wobbe indices Ws and Wi (MJ/m3). No controller is needed.\n"
        "  NAME: methane, ethane, propane, i-butane, n-butane, neo-pentane, i-pentane,\n"
        "  n-pentane, c6plus, nitrogen, co2 (mole per cent; those not named are 0). The\n"
        "  sum must be 100 +- 0.5 %; within that it is normalised to 100 % (said on\n"
        "  stderr). --combustion: 0, 15, 20 or 25 °C (default 25); --metering: 0, 15 or\n"
        "  20 °C (default 20); --c6plus: C6+ as n-hexane (default) or split 47.466 /\n"
        "  35.340 / 17.194 % into n-hexane, n-heptane and n-octane. --json prints one\n"
        "  object with the keys M, Z, Hs_molar, Hi_molar, Hs_mass, Hi_mass, Hs, Hi, D, d,\n"
        "  Ws, Wi. Exit 2 for a bad composition or temperature.\n",
    .run = RunGasProperties,
    .options = kGasPropertiesOptions,
};

}  // namespace zor06::ctl
