// Reading the values of a row as the types the store wrote them.
#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <variant>

#include "store/sql_connection.h"

namespace zor06::store {

inline std::int64_t AsInteger(const SqlValue& value) {
    const auto* i = std::get_if<std::int64_t>(&value);
    return i != nullptr ? *i : 0;
}

// NULL, which NaN is written as, reads back as NaN.
inline double AsDouble(const SqlValue& value) {
    if (const auto* d = std::get_if<double>(&value)) {
        return *d;
    }
    if (const auto* i = std::get_if<std::int64_t>(&value)) {
        return static_cast<double>(*i);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

inline std::string AsText(const SqlValue& value) {
    const auto* s = std::get_if<std::string>(&value);
    return s != nullptr ? *s : std::string();
}

inline SqlBlob AsBlob(const SqlValue& value) {
    const auto* b = std::get_if<SqlBlob>(&value);
    return b != nullptr ? *b : SqlBlob();
}

}  // namespace zor06::store
