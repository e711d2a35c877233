#include "zor06-sim/momentary_tables.h"

#include "gasdata/records.h"
#include "tables/table_numbers.h"
#include "zor06-sim/gas_model.h"
#include "zor06-sim/wall_time.h"

namespace zor06::sim {
namespace {

constexpr int kRunTables[] = {30, 38};
constexpr int kAverageTables[] = {36, 40};
constexpr int kValuesField = 2;  // after the date and the time
constexpr WallTime kAnalysisS = 180;

// Fields 0 and 1: year - 2000, month, day and hour, minute, second, each with a byte not used.
void PutDateTime(TableImage* image, int table, const bytes::ControllerDateTime& at) {
    const auto date = image->Field(table, 0);
    const auto time = image->Field(table, 1);
    for (int i = 0; i < 3; ++i) {
        date[i] = at[i];
        time[i] = at[3 + i];
    }
    date[3] = 0;
    time[3] = 0;
}

}  // namespace

void FillMomentaryTables(const bytes::ControllerDateTime& now, std::uint64_t seed,
                         TableImage* image) {
    const WallTime analysis = FloorDiv(ToWallTime(now), kAnalysisS) * kAnalysisS;
    const bytes::ControllerDateTime at = FromWallTime(analysis);
    const auto moisture = MoistureAt(analysis, seed);
    for (int run = 0; run < 2; ++run) {
        const gasdata::ChrValues gas = GasAt(analysis, run, seed);
        for (const int table : {kRunTables[run], kAverageTables[run]}) {
            PutDateTime(image, table, at);
            for (int i = 0; i < gasdata::kChrParameters; ++i) {
                image->SetFloat(table, kValuesField + i, gas.v[static_cast<std::size_t>(i)]);
            }
        }
        for (int i = 0; i < kMoistureMomentaryValues; ++i) {
            image->SetFloat(kAverageTables[run], kValuesField + gasdata::kChrParameters + i,
                            moisture[static_cast<std::size_t>(i)]);
        }
    }
    PutDateTime(image, tables::kWmtMomentaryTable, at);
    for (int i = 0; i < kMoistureMomentaryValues; ++i) {
        image->SetFloat(tables::kWmtMomentaryTable, kValuesField + i,
                        moisture[static_cast<std::size_t>(i)]);
    }
}

}  // namespace zor06::sim
