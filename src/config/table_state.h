// The table-state screen's model: which configuration tables the controller reports destroyed,
// which may be written, and the selection its buttons make.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "config/write_tables.h"
#include "dialogue/operator.h"
#include "link/link_kind.h"
#include "tables/table_service.h"

namespace zor06::config {

// Indexed by table number.
struct TableStates {
    std::array<bool, tables::kTableCount> writable{};
    std::array<bool, tables::kTableCount> destroyed{};
    Selection selected{};
};

// Writability from the catalogue, states from table 7 of the image, nothing selected.
TableStates BuildTableStates(const tables::ControllerImage& image);

enum class TableStateResult { Exit = 0, WriteChosen = 1, WriteAll = 2 };

struct TableStateRow {
    int table;
    std::string text;  // " Табл. %2d.  %s"
    bool destroyed;
    bool ticked;
    bool enabled;
};

// One row per writable table in table order, as the screen opens.
std::vector<TableStateRow> TableStateRows(const TableStates& states, link::LinkKind kind);

// Neither writing button works over the telephone line or Ethernet.
bool WriteButtonsEnabled(link::LinkKind kind);

// "Записать избранные таблицы": `ticked` per table number. False (with the message) when nothing
// is ticked; the selection is then left as it was.
bool SelectTicked(TableStates& states, const Selection& ticked, dialogue::Operator& op);
// "Записать все таблицы".
void SelectAll(TableStates& states);

// How the list is sized: with fewer rows than it shows at once it shrinks to them; otherwise it
// is scrolled so that the first destroyed table shows.
inline constexpr int kListRowsShown = 27;
struct TableListView {
    bool shrink;
    int scrollRows;
};
TableListView ListView(int rowCount, int firstDestroyedRow);

// Before a configuration is written: table 0 for the destroyed table and, when there is one,
// table 7 for every table's state; nothing when a read failed.
std::optional<TableStates> ReadTableStatesBeforeWrite(tables::TableContext& ctx);

// Tables other than `except` that are selected.
bool AnySelectedBut(const Selection& selection, int except1, int except2 = -1);

}  // namespace zor06::config
