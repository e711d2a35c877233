#include "messages/archive_commands.h"

#include "tables/table_numbers.h"

namespace zor06::messages {
namespace {

constexpr std::uint8_t kClockFields = 8;

}  // namespace

std::optional<IndexBounds> ReadIndexBounds(tables::TableContext& ctx, Archive archive) {
    const int table = KindOf(archive).boundaryTable;
    {
        dialogue::BusyScope busy(ctx.op);
        if (!tables::ReadFields(ctx, {static_cast<std::uint8_t>(table), 0, 2})) {
            return std::nullopt;
        }
    }
    const IndexBounds bounds{ctx.image.U32(table, 0), ctx.image.U32(table, 1)};
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
    if (!tables::ReadFields(ctx.tables, {tables::kClockTable, 0, kClockFields})) {
        return;
    }
    const std::optional<Period> chosen = choose();
    if (chosen) {
        ReadMessagesByPeriod(ctx, archive, chosen->start, chosen->end);
    }
}

}  // namespace zor06::messages
