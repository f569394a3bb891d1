// The string forms of stored setting values: decimal integers and the short date "dd.mm.yyyy".
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

namespace quendra {

// A decimal integer with an optional sign, blanks around it allowed. Anything else, and any
// number outside the 32-bit range, gives nullopt so that the caller can take its default.
std::optional<int> parseStoredInt(std::string_view text);

// "dd.mm.yyyy", zero-padded. Only valid dates of the years 1 to 9999 have this form.
std::string shortDateText(std::chrono::year_month_day date);
// Reads "d.m.yyyy" (one or two digits for day and month, four for the year, blanks around the
// whole allowed). A text that is not such a valid date gives nullopt.
std::optional<std::chrono::year_month_day> parseShortDate(std::string_view text);

} // namespace quendra
