// Writing the chosen tables of a prepared image into the controller, in the order the controller
// needs them: the flow-computer line and entries before everything else.
#pragma once

#include <array>
#include <functional>

#include "settings/settings_types.h"
#include "tables/catalogue.h"
#include "tables/table_service.h"

namespace zor06::config {

// One flag per table number: true = to be written.
using Selection = std::array<bool, tables::kTableCount>;

struct WriteTablesHooks {
    // The stored link settings that follow a written table 3; none leaves only the link object.
    settings::LinkSettings* linkSettings = nullptr;
    // Called after table 3 moved the link (save the settings, refresh the connection line).
    std::function<void()> linkChanged;
};

// Writes every selected writable table from the image; each table written clears its flag, so
// that a failure (reported by the table service, false at once) leaves the rest selected.
bool WriteTables(tables::TableContext& ctx, Selection& selection,
                 const WriteTablesHooks& hooks = {});

// Writes table 4 as nobody: a destroyed users table knows no one. The program user's
// credentials are put back whatever the result.
bool WriteUsersAsNobody(tables::TableContext& ctx);

// The fields of one request writing `table` from field 0 on: as many as 229 value bytes hold.
int FieldsPerRequest(int table);

}  // namespace zor06::config
