// Data sets of real record bytes for the view tests.
#pragma once

#include <algorithm>
#include <string>

#include "gasdata/data_set.h"
#include "gasdata/records.h"
#include "text/codepage.h"

namespace zor06::gasdata::testing {

inline DataSet EmptySet(DataKind kind) {
    DataSet set;
    set.kind = kind;
    set.header.SetKind(KindOf(kind).kindLetters);
    set.header.serialNumber = 12345;
    const std::string run = text::Utf8ToCp1251("  Нитка 1   ");
    std::copy(run.begin(), run.end(), set.header.runName.begin());
    set.header.start = {24, 3, 1, 10, 0, 0};
    set.header.end = IsThreeMinute(kind) ? bytes::ControllerDateTime{24, 3, 1, 12, 57, 0}
                     : IsDaily(kind)     ? bytes::ControllerDateTime{24, 3, 5, 0, 0, 0}
                                         : bytes::ControllerDateTime{24, 3, 2, 9, 0, 0};
    return set;
}

// Appends the record's bytes, sealed with a right CRC unless told otherwise.
template <typename Record>
void Add(DataSet& set, const Record& record, bool sealed = true) {
    auto bytes = record.Encode();
    if (sealed) {
        SealRecord(bytes);
    }
    set.records.insert(set.records.end(), bytes.begin(), bytes.end());
    set.header.recordCount = static_cast<std::uint32_t>(set.Count());
}

}  // namespace zor06::gasdata::testing
