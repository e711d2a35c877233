// Date-and-time values as texts of the settings files: the Russian short date followed by the
// long time. Values are local date-times in days since 30 December 1899 with the time of day as
// the fraction, as platform::Clock::LocalDateTime gives them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zor06::settings {

// "dd.MM.yyyy HH:mm:ss", to the nearest second.
std::string FormatDateTime(double value);

// Reads "d.M.yyyy", optionally followed by "H:mm" or "H:mm:ss" (the old program leaves the time
// out at midnight and writes the hour without a leading zero); none when it is no valid moment.
std::optional<double> ParseDateTime(std::string_view text);

// Whether the moment lies in the years 2000..2255 that the controller's date (year - 2000 in a
// byte) can hold.
bool InControllerYears(double value);

}  // namespace zor06::settings
