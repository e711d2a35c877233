// What a reading hands over, as the collection database keeps it: each data record with its
// period, status, values and CRC verdict beside its raw bytes; each message with its index and
// its row as the archive's view shows it.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "gasdata/data_set.h"
#include "messages/intervention_decoding.h"
#include "messages/message_reading.h"
#include "store/collection_store.h"

namespace zor06::collect {

store::Archive StoreArchiveOf(gasdata::DataKind kind);
store::Archive StoreArchiveOf(messages::Archive archive);
// None for a message archive.
std::optional<gasdata::DataKind> DataKindOf(store::Archive archive);

// `run` 1 or 2 for the chromatograph, 0 for the moisture meter.
std::vector<store::DataRecord> DataRows(const gasdata::DataSet& set, int run);
// A reading by index: the records from `set.startIndex` on.
std::vector<store::MessageRecord> MessageRows(const messages::MessageSet& set,
                                              const messages::DecodeOptions& options);

}  // namespace zor06::collect
