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

// Zone codes of the gas parameters: all in their norm but run 1's carbon dioxide in its upper and
// run 2's nitrogen in its lower warning zone.
constexpr std::array<std::uint8_t, 20> kRun1Zones{0, 0, 0, 0, 0, 0, 0, 0, 0, 2,
                                                  0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::array<std::uint8_t, 20> kRun2Zones{0, 0, 0, 0, 0, 0, 0, 1, 0, 0,
                                                  0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

void FillZones(TableImage* image, int table, std::span<const std::uint8_t> zones) {
    for (std::size_t i = 0; i < zones.size(); ++i) {
        image->SetByte(table, static_cast<int>(i), zones[i]);
    }
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
    for (std::size_t field = 0; field < config.names.size(); ++field) {
        std::string name = text::Utf8ToCp1251(config.names[field]);
        if (config.cp866) {
            text::ToCp866({reinterpret_cast<std::uint8_t*>(name.data()), name.size()});
        }
        image->SetText(5, static_cast<int>(field), name);
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
    FillZones(image, 32, kRun1Zones);
    FillZones(image, 39, kRun2Zones);
    image->SetU32(41, 0, config.serialNumber);
    image->SetU32(41, 1, 0x5A3C1F2E);  // software checksum
}

}  // namespace zor06::sim
