#include "gasdata/momentary_reading.h"

#include "tables/table_numbers.h"

namespace zor06::gasdata {
namespace {

constexpr std::uint8_t kWmtMomentaryFields = 7;

}  // namespace

std::optional<WmtMomentary> ReadWmtMomentary(tables::TableContext& ctx, bool show) {
    if (!tables::ReadFields(ctx, {tables::kWmtMomentaryTable, 0, kWmtMomentaryFields}, show)) {
        return std::nullopt;
    }
    return WmtMomentaryContent(ctx.image.Fields(tables::kWmtMomentaryTable, 0, kWmtMomentaryFields)
                                   .first<kWmtMomentaryBytes>());
}

std::optional<ChrMomentaryValues> ReadChrMomentaryValues(tables::TableContext& ctx, int run,
                                                         const settings::ReportConfig& config,
                                                         bool show) {
    const std::uint8_t table = ChrMomentaryTable(run);
    if (!tables::ReadFields(ctx, {table, 0, kChrMomentaryFields}, show)) {
        return std::nullopt;
    }
    return ChrMomentaryValuesOf(
        ctx.image.Fields(table, 0, kChrMomentaryFields).first<kChrMomentaryBytes>(), config);
}

std::optional<ChrZones> ReadChrZones(tables::TableContext& ctx, int run, bool show) {
    const std::uint8_t table = ChrZoneTable(run);
    if (!tables::ReadFields(ctx, {table, 0, kChrParameters}, show)) {
        return std::nullopt;
    }
    return ChrZonesOf(ctx.image.Fields(table, 0, kChrParameters).first<kChrZoneBytes>());
}

std::optional<ExtraParameters> ReadExtraParameters(tables::TableContext& ctx) {
    static_assert(fields::kSoftwareChecksum.table == fields::kChromatographSerial.table &&
                  fields::kSoftwareChecksum.field == fields::kChromatographSerial.field + 1);
    if (!tables::ReadFields(
            ctx, {fields::kChromatographSerial.table, fields::kChromatographSerial.field, 2})) {
        return std::nullopt;
    }
    return ExtraParameters{ctx.image.U32(fields::kChromatographSerial),
                           ctx.image.U32(fields::kSoftwareChecksum)};
}

}  // namespace zor06::gasdata
