#include "messages/index_range.h"

#include <algorithm>

namespace zor06::messages {

IndexSelection WholeRange(const IndexBounds& bounds) {
    return {bounds.oldest, bounds.Total()};
}

IndexSelection LastRecords(const IndexBounds& bounds, std::uint32_t n) {
    if (bounds.Total() < n) {
        return WholeRange(bounds);
    }
    return {bounds.newest - (n - 1), n};
}

IndexVerdict CheckIndexEntry(const IndexBounds& bounds, std::optional<std::uint32_t> start,
                             std::optional<std::uint32_t> count) {
    if (!start) {
        return {std::nullopt, "Не введен индекс записи начала чтения", ""};
    }
    if (*start < bounds.oldest || *start > bounds.newest) {
        return {std::nullopt, "Нелогичное значение индекса записи начала чтения",
                "(см. значения индексов начала и конца архива)."};
    }
    if (!count) {
        return {std::nullopt, "Не введено количество записей для чтения", ""};
    }
    if (*count == 0) {
        return {std::nullopt, "Нелогичное значение количества записей для чтения", ""};
    }
    return {IndexSelection{*start, std::min(*count, bounds.newest - *start + 1)}, "", ""};
}

}  // namespace zor06::messages
