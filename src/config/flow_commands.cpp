#include "config/flow_commands.h"

#include "tables/table_numbers.h"

#include <vector>

namespace zor06::config {
namespace {

constexpr int kRunsField = 7;
// Type, address, necessity, byte order: the order they are read and written in.
constexpr int kRecordTables[] = {17, 18, 19, 20};

using OldCopies = std::array<std::vector<std::uint8_t>, 4>;

tables::TableHeader Range(int table, int count) {
    return {static_cast<std::uint8_t>(table), 0, static_cast<std::uint8_t>(count)};
}

// Reads fields 0..count-1 of tables 17..20 and keeps what the controller holds there.
bool ReadRecordTables(tables::TableContext& ctx, int count, OldCopies& old) {
    for (std::size_t i = 0; i < std::size(kRecordTables); ++i) {
        if (!tables::ReadFields(ctx, Range(kRecordTables[i], count))) {
            return false;
        }
        const auto bytes = ctx.image.Fields(kRecordTables[i], 0, count);
        old[i].assign(bytes.begin(), bytes.end());
    }
    return true;
}

FlowRecords RecordsFromImage(const tables::ControllerImage& image, int count) {
    FlowRecords records{};
    for (int i = 0; i < count; ++i) {
        FlowRecord& r = records[static_cast<std::size_t>(i)];
        r.type = image.Byte(17, i);
        r.address = image.Byte(18, i);
        r.necessity = image.Byte(19, i);
        r.byteOrder = image.Byte(20, i);
        r.password.fill(' ');  // the controller never returns passwords
    }
    return records;
}

void StoreInImage(tables::ControllerImage& image, const FlowListResult& list) {
    image.SetByte(tables::kFlowLineTable, 0, static_cast<std::uint8_t>(list.count));
    for (int i = 0; i < list.count; ++i) {
        const FlowRecord& r = list.records[static_cast<std::size_t>(i)];
        image.SetByte(17, i, r.type);
        image.SetByte(18, i, r.address);
        image.SetByte(19, i, r.necessity);
        image.SetByte(20, i, r.byteOrder);
        std::ranges::copy(r.password, image.Field(tables::kFlowPasswordTable, i).begin());
    }
}

bool WriteRecords(tables::TableContext& ctx, const FlowListResult& list, const OldCopies& old) {
    for (std::size_t i = 0; i < std::size(kRecordTables); ++i) {
        if (!tables::WriteChangedFields(ctx, Range(kRecordTables[i], list.count), old[i])) {
            return false;
        }
    }
    for (int i = 0; i < list.count; ++i) {
        if (list.passwordChanged[static_cast<std::size_t>(i)] &&
            !tables::WriteFields(ctx,
                                 {tables::kFlowPasswordTable, static_cast<std::uint8_t>(i), 1})) {
            return false;
        }
    }
    return true;
}

// A list longer than what was read: the new positions are read too, so that they are compared
// with what the controller holds there rather than with stale image bytes.
bool ReadGrownPositions(tables::TableContext& ctx, int read, const FlowListResult& list,
                        OldCopies& old) {
    return list.count <= read || ReadRecordTables(ctx, list.count, old);
}

std::uint8_t Runs(const tables::ControllerImage& image) {
    return image.Byte(tables::kChromatographLinkTable, kRunsField);
}

// Opens the list over the `count` records read and, once it is accepted, writes the line through
// `writeLine` and then the records that changed.
template <class WriteLine>
bool EditRecords(tables::TableContext& ctx, const OpenFlowList& openList, int count, OldCopies& old,
                 const WriteLine& writeLine) {
    const auto list = openList(RecordsFromImage(ctx.image, count), count, Runs(ctx.image));
    if (!list) {
        return false;
    }
    dialogue::BusyScope busy(ctx.op);
    if (!ReadGrownPositions(ctx, count, *list, old)) {
        return false;
    }
    StoreInImage(ctx.image, *list);
    return writeLine(*list) && WriteRecords(ctx, *list, old);
}

}  // namespace

bool EditFlowComputers(tables::TableContext& ctx, const OpenFlowList& openList) {
    OldCopies old;
    std::uint8_t stored = 0;
    int n = 0;
    {
        dialogue::BusyScope busy(ctx.op);
        if (!tables::ReadFields(ctx, {tables::kFlowLineTable, 0, 1})) {
            return false;
        }
        stored = ctx.image.Byte(tables::kFlowLineTable, 0);
        n = FlowCount(stored);
        if (!ReadRecordTables(ctx, n, old)) {
            return false;
        }
    }
    // Against the controller's own count: a 0 or a count past sixteen, shown brought into range,
    // is corrected even when the list keeps that many.
    return EditRecords(ctx, openList, n, old, [&](const FlowListResult& list) {
        return list.count == stored || tables::WriteFields(ctx, {tables::kFlowLineTable, 0, 1});
    });
}

bool EditFlowLine(tables::TableContext& ctx, const OpenFlowLine& openLine,
                  const OpenFlowList& openList) {
    std::vector<std::uint8_t> oldLine;
    {
        dialogue::BusyScope busy(ctx.op);
        if (!tables::ReadFields(ctx, {tables::kFlowLineTable, 0, 6})) {
            return false;
        }
        const auto bytes = ctx.image.Fields(tables::kFlowLineTable, 0, 6);
        oldLine.assign(bytes.begin(), bytes.end());
    }
    // The controller's own count: from a 0 there, any list grows and needs its new computers.
    const int before = oldLine[0];
    if (!openLine(ctx.image.Fields(tables::kFlowLineTable, 0, 6).first<kFlowLineBytes>())) {
        return false;
    }
    const int after = FlowCount(ctx.image.Byte(tables::kFlowLineTable, 0));
    if (after <= before) {
        dialogue::BusyScope busy(ctx.op);
        return tables::WriteChangedFields(ctx, {tables::kFlowLineTable, 0, 6}, oldLine);
    }
    if (!ctx.op.ShowMessage(dialogue::MessageKind::Question,
                            "Количество вычислителей не может быть увеличено",
                            "без ввода их параметров. Выполнить ввод параметров сейчас?")) {
        return false;
    }
    OldCopies old;
    {
        dialogue::BusyScope busy(ctx.op);
        if (!ReadRecordTables(ctx, after, old)) {
            return false;
        }
    }
    return EditRecords(ctx, openList, after, old, [&](const FlowListResult&) {
        return tables::WriteChangedFields(ctx, {tables::kFlowLineTable, 0, 6}, oldLine);
    });
}

}  // namespace zor06::config
