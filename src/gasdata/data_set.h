// What a data reading or an opened data file hands to its view: the header and the records as
// received, `header.recordCount` of them.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "dataset/data_set_header.h"
#include "gasdata/data_kind.h"
#include "gasdata/records.h"

namespace zor06::gasdata {

struct DataSet {
    DataKind kind = DataKind::ChrHour;
    dataset::HdmHeader header;
    std::vector<std::uint8_t> records;  // whole records of KindOf(kind).recordSize bytes

    std::size_t Count() const { return records.size() / KindOf(kind).recordSize; }
    std::span<const std::uint8_t> Record(std::size_t i) const {
        const std::size_t size = KindOf(kind).recordSize;
        return std::span<const std::uint8_t>(records).subspan(i * size, size);
    }
};

}  // namespace zor06::gasdata
