// The restoration of destroyed tables: the operator chooses the tables, the values come from a
// configuration file, the users screen and the PC clock, and the tables go back in their order.
#pragma once

#include <filesystem>
#include <optional>
#include <span>

#include "config/config_buffer.h"
#include "config/table_state.h"
#include "config/users_editors.h"
#include "config/write_tables.h"
#include "tables/table_service.h"

namespace zor06::config {

// What belongs to screens. The desktop program provides every step; the write's steps follow a
// written table 3 into the stored link settings.
class RestoreSteps : public WriteTablesSteps {
public:
    // The table-state screen; fills the selection of `states`.
    virtual TableStateResult TableState(TableStates& states) = 0;
    // "Выбор файла с параметрами конфигурации" in the CONFIG directory; none when cancelled.
    virtual std::optional<std::filesystem::path> ChooseConfigFile() = 0;
    // The users screen on the file's users part; true when accepted.
    virtual bool EditUsers(std::span<std::uint8_t, kUsersBytes> users) = 0;
    // The configuration screen in restoring mode; true when accepted.
    virtual bool EditConfig(ConfigBuffer& buffer) = 0;
    // Whether a configuration protocol can be built of what was written; when not, the operator
    // is not asked for one.
    virtual bool OffersProtocol() const = 0;
    virtual void BuildProtocol(const ConfigBuffer& buffer) = 0;
    // Once the tables went out, under the wait window "Выполняется запись параметров" /
    // "конфигурации в контроллер" over a disabled main window.
    virtual void UpdateMenus() = 0;
    virtual void DescribeConnection() = 0;  // the Connection panel
};

// Runs the restoration over the table states of table 7 in the image; returns whether the
// controller counts as identified afterwards, whatever became of the restoration.
// `outcome`, when given, receives how the operator left the table-state screen.
bool RestoreTables(tables::TableContext& ctx, RestoreSteps& steps,
                   TableStateResult* outcome = nullptr);

// The controller clock from the PC's local time after the operator confirmed it; clears the
// clock's selection when written.
bool WriteClockFromPc(tables::TableContext& ctx, Selection& selection);

}  // namespace zor06::config
