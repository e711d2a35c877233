#include "config/table_state.h"

#include "tables/identification.h"
#include "tables/table_numbers.h"
#include "text/text_format.h"

namespace zor06::config {
namespace {

// The clock is written only when it lost its content and the users table always when it did:
// an intact users table is written through its own screen.
void ApplyClockAndUsersRule(TableStates& s) {
    if (!s.destroyed[tables::kClockTable]) {
        s.selected[tables::kClockTable] = false;
    }
    s.selected[tables::kUsersTable] = s.destroyed[tables::kUsersTable];
}

}  // namespace

TableStates BuildTableStates(const tables::ControllerImage& image) {
    TableStates s;
    for (int t = 0; t < tables::kTableCount; ++t) {
        s.writable[static_cast<std::size_t>(t)] = tables::Table(t).writable;
        s.destroyed[static_cast<std::size_t>(t)] = image.Byte(tables::kStateTable, t) != 0;
    }
    return s;
}

std::vector<TableStateRow> TableStateRows(const TableStates& s, link::LinkKind kind) {
    std::vector<TableStateRow> rows;
    const bool phone = kind == link::LinkKind::Telephone;
    for (int t = 0; t < tables::kTableCount; ++t) {
        const auto i = static_cast<std::size_t>(t);
        if (!s.writable[i]) {
            continue;
        }
        const bool fixed =
            (t == tables::kClockTable || t == tables::kUsersTable) && !s.destroyed[i];
        rows.push_back(
            {t, text::Printf(" Табл. %2d.  %s", t, std::string(tables::Table(t).name).c_str()),
             s.destroyed[i], s.destroyed[i] && !phone, !fixed && !phone});
    }
    return rows;
}

bool WriteButtonsEnabled(link::LinkKind kind) {
    return kind == link::LinkKind::Direct;
}

bool SelectTicked(TableStates& s, const Selection& ticked, dialogue::Operator& op) {
    Selection chosen{};
    bool any = false;
    for (int t = 0; t < tables::kTableCount; ++t) {
        const auto i = static_cast<std::size_t>(t);
        chosen[i] = ticked[i] && s.writable[i];
        any = any || chosen[i];
    }
    if (!any) {
        op.ShowMessage(dialogue::MessageKind::Info, "Не заданы таблицы для записи", "");
        return false;
    }
    s.selected = chosen;
    ApplyClockAndUsersRule(s);
    return true;
}

void SelectAll(TableStates& s) {
    s.selected = s.writable;
    ApplyClockAndUsersRule(s);
}

TableListView ListView(int rowCount, int firstDestroyedRow) {
    if (rowCount < kListRowsShown) {
        return {true, 0};
    }
    return {false, firstDestroyedRow > kListRowsShown ? firstDestroyedRow - kListRowsShown : 0};
}

bool AnySelectedBut(const Selection& selection, int except1, int except2) {
    for (int t = 0; t < tables::kTableCount; ++t) {
        if (selection[static_cast<std::size_t>(t)] && t != except1 && t != except2) {
            return true;
        }
    }
    return false;
}

std::optional<TableStates> ReadTableStatesBeforeWrite(tables::TableContext& ctx) {
    const auto destroyed = tables::ReadDestroyedTable(ctx);
    if (!destroyed || (*destroyed != 0 && !tables::ReadTable(ctx, tables::kStateTable))) {
        return std::nullopt;
    }
    return BuildTableStates(ctx.image);
}

}  // namespace zor06::config
