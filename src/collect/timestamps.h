// The controller's dates as the collection database writes them, "YYYY-MM-DD HH:MM:SS", and back.
#pragma once

#include <optional>
#include <string_view>

#include "bytes/controller_date_time.h"
#include "store/collection_store.h"

namespace zor06::collect {

// Whether `date` is a day of the calendar and a time of the day, as a database accepts it.
bool IsValidDateTime(const bytes::ControllerDateTime& date);
// Empty for a date that is not valid (a record whose bytes the line spoiled).
store::Timestamp TimestampOf(const bytes::ControllerDateTime& date);
// None for text not of that form or a year outside 2000..2255.
std::optional<bytes::ControllerDateTime> DateOfTimestamp(std::string_view text);

}  // namespace zor06::collect
