#include "zor06-sim/default_tables.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "config/limits_editor.h"
#include "text/codepage.h"
#include "zor06-sim/access.h"

namespace zor06::sim {
namespace {

constexpr int kFlowComputerTables[] = {17, 18, 19, 20};  // type, address, necessity, byte order
constexpr std::uint8_t kFlowComputer[] = {2, 1, 0xA3, 1};
constexpr int kGasParametersWritten[] = {7, 9, 12};

// Instant chromatograph data of run 1: composition in mole percent (summing to 100), then
// density kg/m³, relative density, lower and higher heating value MJ/m³, lower and higher Wobbe
// index MJ/m³, compressibility, molar mass g/mol.
constexpr std::array<float, 22> kRun1Gas{
    95.2F, 2.45F,  0.75F,  0.11F,   0.12F,   0.002F, 0.025F, 0.018F, 0.015F, 0.95F,   0.34F,
    0.01F, 0.008F, 0.002F, 0.6951F, 0.5771F, 33.85F, 37.55F, 44.56F, 49.43F, 0.9979F, 16.72F,
};

// Moisture meter: dew point of water and of hydrocarbons °C, water g/m³, temperature °C, pressure
// MPa, sensor temperature °C, status.
constexpr std::array<float, 7> kMoisture{-21.5F, -15.0F, 0.058F, 11.6F, 5.31F, 20.3F, 0.0F};

void FillFloats(TableImage* image, int table, std::span<const float> values, int first = 0) {
    for (std::size_t i = 0; i < values.size(); ++i) {
        image->SetFloat(table, first + static_cast<int>(i), values[i]);
    }
}

// Run 2 measures much the same gas, a little differently.
std::array<float, 22> Run2Gas() {
    std::array<float, 22> gas{};
    for (std::size_t i = 0; i < gas.size(); ++i) {
        gas[i] = kRun1Gas[i] * (1.0F + 0.002F * (static_cast<float>(i % 3) - 1.0F));
    }
    return gas;
}

void FillRun(TableImage* image, int instantTable, int averageTable, std::span<const float> gas) {
    FillFloats(image, instantTable, gas);
    FillFloats(image, averageTable, gas);
    FillFloats(image, averageTable, std::span(kMoisture).first(5), static_cast<int>(gas.size()));
}

// The five limits of every gas parameter as a new configuration holds them: dead band, lower and
// upper warning level, lower and upper admissible value.
void FillGasLimits(TableImage* image) {
    for (int kind = 0; kind < config::kLimitKinds; ++kind) {
        for (int field = 0; field < config::kGasParameterCount; ++field) {
            image->SetFloat(config::LimitTable(kind), field,
                            config::LimitRangeOf(kind, field).defaultValue);
        }
    }
}

void FillNames(const ControllerConfig& config, TableImage* image) {
    constexpr const char* kNames[] = {"ЗОР_06 ГРС Лесная", "Нитка 1", "Нитка 2"};
    for (int field = 0; field < 3; ++field) {
        std::string name = text::Utf8ToCp1251(kNames[field]);
        if (config.cp866) {
            text::ToCp866({reinterpret_cast<std::uint8_t*>(name.data()), name.size()});
        }
        image->SetText(5, field, name);
    }
}

// The demonstration users; the rest of the sixteen slots are free.
void FillUsers(TableImage* image) {
    const auto bytes = image->Fields(4, 0, config::kUserSlots);
    EncodeUsers(DefaultUsers(), bytes.first<config::kUserSlots * config::kUserRecordSize>());
}

}  // namespace

void FillDefaultTables(const ControllerConfig& config, TableImage* image) {
    image->SetBytes(0, {0, config.type, 2, config.version, 19, 3, 5, 10, 0, 0, 1, 1,
                        static_cast<std::uint8_t>(config.cp866 ? 0 : 1), 0, 2, 1, 0, 0});
    image->SetBytes(3, {config.address, 11, 3, 0});
    FillUsers(image);
    FillNames(config, image);
    image->SetBytes(6, {3, 201, 3, 10, 201, 4, 9, 1, 0, 1, 0, 1});
    image->SetBytes(9, {1, 11, 5, 20, 3, 2});
    for (int field = 0; field < 16; ++field) {
        image->SetText(13, field, "");
    }
    image->SetBytes(14,
                    {1, 11, 1, 0, 150, 5, config.chromatographType, config.runs, 0, 0, 0, 1, 0, 1});
    image->SetBytes(15, {1, 11, 0, 0, 150, 5, 0, 0});
    for (std::size_t i = 0; i < std::size(kFlowComputerTables); ++i) {
        image->SetByte(kFlowComputerTables[i], 0, kFlowComputer[i]);
    }
    for (int parameter : kGasParametersWritten) {
        image->SetByte(21, parameter, 1);
    }
    FillGasLimits(image);
    image->SetBytes(28, {1, 0});
    FillRun(image, 30, 36, kRun1Gas);
    FillRun(image, 38, 40, Run2Gas());
    FillFloats(image, 37, kMoisture);
    image->SetU32(41, 0, 6123);        // serial number
    image->SetU32(41, 1, 0x5A3C1F2E);  // software checksum
}

}  // namespace zor06::sim
