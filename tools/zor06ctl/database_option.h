// --db: the collection database the collect and db commands use.
#pragma once

#include <memory>

#include "store/collection_store.h"
#include "zor06ctl/command_table.h"
#include "zor06ctl/commands.h"
#include "zor06ctl/shared_options.h"

namespace zor06::ctl {

inline constexpr Option kDbOption{.name = "--db", .value = "URI", .check = NeedsValue};

// The database of --db, by default sqlite:WORKDIR/zor06.sqlite; none after saying why it could
// not be opened.
std::unique_ptr<store::CollectionStore> OpenDatabase(Session& s);

}  // namespace zor06::ctl
