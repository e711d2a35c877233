#include "config/write_tables.h"

#include <algorithm>
#include <chrono>

#include "config/upper_link_follow.h"
#include "tables/table_numbers.h"
#include "text/codepage.h"

namespace zor06::config {
namespace {

constexpr int kMaxValueBytes = 229;
constexpr int kFlowTables[] = {17, 18, 19, 20};
constexpr int kFlowPasswordsPerRequest = 14;
constexpr int kNamesCodePage = 12;  // table 0: 0 when the controller keeps names in 866

int WritableCount() {
    int n = 0;
    for (int t = 0; t < tables::kTableCount; ++t) {
        n += tables::Table(t).writable ? 1 : 0;
    }
    return n;
}

// Fields [first, first + count) in requests of at most `perRequest` fields.
bool WriteInRequests(tables::TableContext& ctx, int table, int count, int perRequest) {
    for (int first = 0; first < count; first += perRequest) {
        const int n = std::min(perRequest, count - first);
        if (!tables::WriteFields(
                ctx, {static_cast<std::uint8_t>(table), static_cast<std::uint8_t>(first),
                      static_cast<std::uint8_t>(n)})) {
            return false;
        }
    }
    return true;
}

// The controller's names as it keeps them while table 5 goes out; back to Windows-1251 whatever
// the result, since the rest of the program reads them so.
bool WriteNames(tables::TableContext& ctx) {
    const bool cp866 = ctx.image.Byte(0, kNamesCodePage) == 0;
    const auto names = ctx.image.Whole(tables::kNamesTable);
    if (cp866) {
        text::ToCp866(names);
    }
    const bool ok =
        WriteInRequests(ctx, tables::kNamesTable, tables::Table(tables::kNamesTable).fieldCount,
                        FieldsPerRequest(tables::kNamesTable));
    if (cp866) {
        text::ToCp1251(names);
    }
    ctx.op.SetStatusText(dialogue::Panel::Controller, ctx.image.Name(0));
    return ok;
}

void FollowUpperLink(tables::TableContext& ctx, WriteTablesSteps& steps) {
    const auto table3 = ctx.image.Fields(tables::kUpperLinkTable, 0, 4).first<4>();
    if (settings::LinkSettings* stored = steps.LinkSettings(); stored != nullptr) {
        FollowUpperLinkWrite(ctx.link, *stored, table3);
    } else {
        settings::LinkSettings scratch;
        scratch.linkKind = static_cast<int>(ctx.link.linkKind);
        FollowUpperLinkWrite(ctx.link, scratch, table3);
    }
    steps.LinkChanged();
}

bool WriteWhole(tables::TableContext& ctx, int table, WriteTablesSteps& steps) {
    if (table == tables::kNamesTable) {
        return WriteNames(ctx);
    }
    if (!WriteInRequests(ctx, table, tables::Table(table).fieldCount, FieldsPerRequest(table))) {
        return false;
    }
    if (table == tables::kUpperLinkTable) {
        FollowUpperLink(ctx, steps);
    }
    return true;
}

class Progress {
public:
    explicit Progress(dialogue::Operator& op) : op_(op) { op_.SetProgress(0, max_); }
    void Step() { op_.SetProgress(++position_, max_); }
    void Finish() { op_.SetProgress(max_, max_); }

private:
    dialogue::Operator& op_;
    int max_ = WritableCount();
    int position_ = 0;
};

// The tables that must reach the controller first, in their order; the flow-computer tables
// hold as many fields as table 9 names flow computers.
bool WriteFlowComputers(tables::TableContext& ctx, Selection& selection, Progress& progress) {
    const auto wanted = [&selection](int t) { return selection[static_cast<std::size_t>(t)]; };
    const auto done = [&](int t) {
        selection[static_cast<std::size_t>(t)] = false;
        progress.Step();
    };
    if (wanted(tables::kFlowLineTable)) {
        if (!WriteInRequests(ctx, tables::kFlowLineTable,
                             tables::Table(tables::kFlowLineTable).fieldCount,
                             FieldsPerRequest(tables::kFlowLineTable))) {
            return false;
        }
        done(tables::kFlowLineTable);
    }
    // The count comes from the controller's own field, which may hold anything.
    const int count = std::min<int>(ctx.image.Byte(tables::kFlowLineTable, 0), 16);
    for (const int t : kFlowTables) {
        if (wanted(t)) {
            if (!WriteInRequests(ctx, t, count, FieldsPerRequest(t))) {
                return false;
            }
            done(t);
        }
    }
    if (wanted(tables::kFlowPasswordTable)) {
        if (!WriteInRequests(ctx, tables::kFlowPasswordTable, count, kFlowPasswordsPerRequest)) {
            return false;
        }
        done(tables::kFlowPasswordTable);
    }
    return true;
}

bool WrittenFirst(int table) {
    return table == tables::kFlowLineTable || table == tables::kFlowPasswordTable ||
           std::ranges::find(kFlowTables, table) != std::end(kFlowTables);
}

}  // namespace

int FieldsPerRequest(int table) {
    const tables::TableInfo& info = tables::Table(table);
    return std::min<int>(info.fieldCount, kMaxValueBytes / std::max<int>(info.fieldSize, 1));
}

bool WriteTables(tables::TableContext& ctx, Selection& selection, WriteTablesSteps& steps) {
    Progress progress(ctx.op);
    if (!WriteFlowComputers(ctx, selection, progress)) {
        return false;
    }
    for (int t = 0; t < tables::kTableCount; ++t) {
        auto& wanted = selection[static_cast<std::size_t>(t)];
        if (!wanted || WrittenFirst(t) || !tables::Table(t).writable) {
            continue;
        }
        if (!WriteWhole(ctx, t, steps)) {
            return false;
        }
        wanted = false;
        progress.Step();
    }
    progress.Finish();
    ctx.clock.SleepFor(std::chrono::milliseconds(500));
    return true;
}

bool WriteTables(tables::TableContext& ctx, Selection& selection) {
    WriteTablesSteps none;
    return WriteTables(ctx, selection, none);
}

bool WriteUsersAsNobody(tables::TableContext& ctx) {
    const auto password = ctx.link.writePassword;
    const auto code = ctx.link.idCode;
    ctx.link.writePassword.fill(' ');
    ctx.link.idCode.fill(' ');
    const bool ok =
        WriteInRequests(ctx, tables::kUsersTable, tables::Table(tables::kUsersTable).fieldCount,
                        FieldsPerRequest(tables::kUsersTable));
    ctx.link.writePassword = password;
    ctx.link.idCode = code;
    return ok;
}

}  // namespace zor06::config
