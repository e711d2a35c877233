// The records a collection stored, handed back as a reading hands them to its view: a data set
// with its header, a message set read by index. Whatever shows a reading shows them alike.
#pragma once

#include <optional>
#include <string>

#include "gasdata/data_set.h"
#include "messages/message_view.h"
#include "store/collection_store.h"

namespace zor06::collect {

struct StoredPeriod {
    std::optional<bytes::ControllerDateTime> from;  // none: from the oldest record held
    std::optional<bytes::ControllerDateTime> to;    // none: to the newest
};

// `run` 1 or 2 for the chromatograph's archives, 0 for the moisture meter's. The header names
// the station's controller as last seen and the period asked for (or that of the records). None,
// with `error`, when the database fails or holds nothing of it.
std::optional<gasdata::DataSet> StoredDataSet(store::CollectionStore& db,
                                              const store::Station& station, gasdata::DataKind kind,
                                              int run, const StoredPeriod& period,
                                              std::string* error);

// The view of the messages of the period (all when none is given) from the first index held in
// it on, with the rows as they were decoded when collected; a gap in the indices ends it, as a
// reading by index is one unbroken range.
std::optional<messages::MessageView> StoredMessageView(store::CollectionStore& db,
                                                       const store::Station& station,
                                                       messages::Archive archive,
                                                       const StoredPeriod& period,
                                                       std::string* error);

}  // namespace zor06::collect
