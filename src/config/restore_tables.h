// The restoration of destroyed tables: the operator chooses the tables, the values come from a
// configuration file, the users screen and the PC clock, and the tables go back in their order.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>

#include "config/config_buffer.h"
#include "config/table_state.h"
#include "config/users_editors.h"
#include "config/write_tables.h"
#include "tables/table_service.h"

namespace zor06::config {

// What belongs to screens; an empty hook means the operator cancelled.
struct RestoreHooks {
    // The table-state screen; fills the selection of `states`.
    std::function<TableStateResult(TableStates& states)> tableState;
    // "Выбор файла с параметрами конфигурации" in the CONFIG directory; none when cancelled.
    std::function<std::optional<std::filesystem::path>()> chooseConfigFile;
    // The users screen on the file's users part; true when accepted.
    std::function<bool(std::span<std::uint8_t, kUsersBytes> users)> editUsers;
    // The configuration screen in restoring mode; true when accepted.
    std::function<bool(ConfigBuffer& buffer)> editConfig;
    // Builds the configuration protocol of what was written; without it the operator is not
    // asked for one.
    std::function<void(const ConfigBuffer& buffer)> buildProtocol;
    // The wait window "Выполняется запись параметров" / "конфигурации в контроллер" over a
    // disabled main window: shown with true, closed with false.
    std::function<void()> updateMenus;
    std::function<void()> describeConnection;  // the Connection panel
    WriteTablesHooks write;
};

// Runs the restoration over the table states of table 7 in the image; returns whether the
// controller counts as identified afterwards, whatever became of the restoration.
// `outcome`, when given, receives how the operator left the table-state screen.
bool RestoreTables(tables::TableContext& ctx, const RestoreHooks& hooks,
                   TableStateResult* outcome = nullptr);

// The controller clock from the PC's local time after the operator confirmed it; clears the
// clock's selection when written.
bool WriteClockFromPc(tables::TableContext& ctx, Selection& selection);

}  // namespace zor06::config
