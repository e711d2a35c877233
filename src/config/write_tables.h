// Writing the chosen tables of a prepared image into the controller, in the order the controller
// needs them: the flow-computer line and entries before everything else.
#pragma once

#include <array>

#include "settings/settings_types.h"
#include "tables/catalogue.h"
#include "tables/table_service.h"

namespace zor06::config {

// One flag per table number: true = to be written.
using Selection = std::array<bool, tables::kTableCount>;

// What a written table 3 moves besides the link object. Optional: a caller that keeps no stored
// link settings (the command-line tool) takes the defaults, which do nothing.
class WriteTablesSteps {
public:
    virtual ~WriteTablesSteps() = default;
    // The stored link settings that follow a written table 3; none (the default) leaves only the
    // link object.
    virtual settings::LinkSettings* LinkSettings() { return nullptr; }
    // Called after table 3 moved the link (save the settings, refresh the connection line).
    virtual void LinkChanged() {}
};

// Writes every selected writable table from the image; each table written clears its flag, so
// that a failure (reported by the table service, false at once) leaves the rest selected.
bool WriteTables(tables::TableContext& ctx, Selection& selection, WriteTablesSteps& steps);
// The same without stored link settings to follow table 3.
bool WriteTables(tables::TableContext& ctx, Selection& selection);

// Writes table 4 as nobody: a destroyed users table knows no one. The program user's
// credentials are put back whatever the result.
bool WriteUsersAsNobody(tables::TableContext& ctx);

// The fields of one request writing `table` from field 0 on: as many as 229 value bytes hold.
int FieldsPerRequest(int table);

}  // namespace zor06::config
