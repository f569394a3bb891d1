// Parsing and formatting of stored setting values.
#include "settings/StoredValue.h"

#include <charconv>
#include <cstdio>
#include <limits>

namespace quendra {
namespace {

std::string_view trimBlanks(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(blanks);
    return text.substr(first, last - first + 1);
}

// Unsigned decimal digits only: from_chars alone would accept a leading minus.
std::optional<long long> parseDigits(std::string_view digits) {
    if (digits.empty() || digits.front() < '0' || digits.front() > '9') {
        return std::nullopt;
    }
    long long value = 0;
    const auto* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

bool isValidStoredYear(std::chrono::year year) {
    return year >= std::chrono::year{1} && year <= std::chrono::year{9999};
}

} // namespace

std::optional<int> parseStoredInt(std::string_view text) {
    text = trimBlanks(text);
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) {
        text.remove_prefix(1);
    }
    const auto magnitude = parseDigits(text);
    if (!magnitude) {
        return std::nullopt;
    }
    const long long value = negative ? -*magnitude : *magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

std::string shortDateText(std::chrono::year_month_day date) {
    if (!date.ok() || !isValidStoredYear(date.year())) {
        return {};
    }
    char text[40]; // room for any unsigned, though the checks above keep it to ten
    std::snprintf(text, sizeof text, "%02u.%02u.%04d", static_cast<unsigned>(date.day()),
                  static_cast<unsigned>(date.month()), static_cast<int>(date.year()));
    return text;
}

std::optional<std::chrono::year_month_day> parseShortDate(std::string_view text) {
    text = trimBlanks(text);
    const auto firstDot = text.find('.');
    const auto secondDot = text.find('.', firstDot == std::string_view::npos ? 0 : firstDot + 1);
    if (firstDot == std::string_view::npos || secondDot == std::string_view::npos) {
        return std::nullopt;
    }
    const auto dayText = text.substr(0, firstDot);
    const auto monthText = text.substr(firstDot + 1, secondDot - firstDot - 1);
    const auto yearText = text.substr(secondDot + 1);
    if (dayText.size() > 2 || monthText.size() > 2 || yearText.size() != 4) {
        return std::nullopt;
    }
    const auto day = parseDigits(dayText);
    const auto month = parseDigits(monthText);
    const auto year = parseDigits(yearText);
    if (!day || !month || !year) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{static_cast<int>(*year)},
                                           std::chrono::month{static_cast<unsigned>(*month)},
                                           std::chrono::day{static_cast<unsigned>(*day)}};
    if (!date.ok() || !isValidStoredYear(date.year())) {
        return std::nullopt;
    }
    return date;
}

} // namespace quendra
