#include "messages/archive_commands.h"

namespace zor06::messages {
namespace {

constexpr int kClockTable = 2;
constexpr std::uint8_t kClockFields = 8;

std::uint32_t U32(std::span<const std::uint8_t> b) {
    return b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

}  // namespace

std::optional<IndexBounds> ReadIndexBounds(tables::TableContext& ctx, Archive archive) {
    const int table = KindOf(archive).boundaryTable;
    {
        dialogue::BusyScope busy(ctx.op);
        if (!tables::ReadFields(ctx, {static_cast<std::uint8_t>(table), 0, 2})) {
            return std::nullopt;
        }
    }
    const IndexBounds bounds{U32(ctx.image.Field(table, 0)), U32(ctx.image.Field(table, 1))};
    if (bounds.Empty()) {
        ctx.op.ShowMessage(dialogue::MessageKind::Info, "В архиве нет ни одной записи", "");
        return std::nullopt;
    }
    return bounds;
}

void ReadByIndexCommand(ReadingContext& ctx, Archive archive, const IndexChooser& choose) {
    const std::optional<IndexBounds> bounds = ReadIndexBounds(ctx.tables, archive);
    if (!bounds) {
        return;
    }
    const std::optional<IndexSelection> chosen = choose(*bounds);
    if (chosen) {
        ReadMessagesByIndex(ctx, archive, chosen->start, chosen->count);
    }
}

void ReadByPeriodCommand(ReadingContext& ctx, Archive archive, const PeriodChooser& choose) {
    if (!tables::ReadFields(ctx.tables, {kClockTable, 0, kClockFields})) {
        return;
    }
    const std::optional<Period> chosen = choose();
    if (chosen) {
        ReadMessagesByPeriod(ctx, archive, chosen->start, chosen->end);
    }
}

}  // namespace zor06::messages
