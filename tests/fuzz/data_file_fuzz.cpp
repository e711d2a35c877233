// Arbitrary bytes opened as a saved data file of any kind: refused, or opened with no more
// records than the bytes hold, whatever the header announces; the view of what opened shows
// every record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "dataset/data_set_header.h"
#include "gasdata/data_file.h"
#include "gasdata/data_view_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using zor06::gasdata::DataKind;
    const std::span<const std::uint8_t> bytes(data, size);
    for (const DataKind kind : {DataKind::ChrMinute, DataKind::ChrHour, DataKind::ChrDay,
                                DataKind::WmtMinute, DataKind::WmtHour, DataKind::WmtDay}) {
        const auto set = zor06::gasdata::ParseDataFile(bytes, kind);
        if (!set) {
            continue;
        }
        const std::size_t room = size - zor06::dataset::kHeaderSize;
        if (set->records.size() > room || set->Count() != set->header.recordCount) {
            std::abort();
        }
        if (zor06::gasdata::BuildDataView(*set, {}).rows.size() != set->Count()) {
            std::abort();
        }
    }
    return 0;
}
