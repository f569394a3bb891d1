// Formatting and parsing the result's date-time text and deriving the control number from it.
#include "tournament/ControlNumber.h"

#include <charconv>
#include <cstdio>

namespace quendra {
namespace {

constexpr std::size_t DateTimeTextLength = 19; // "dd.mm.yyyy hh:mm:ss"

// The digits at [offset, offset + count); nullopt when any of them is not a digit.
std::optional<int> digitsAt(std::string_view text, std::size_t offset, std::size_t count) {
    int value = 0;
    const char* first = text.data() + offset;
    const auto [stop, error] = std::from_chars(first, first + count, value);
    if (error != std::errc{} || stop != first + count || *first == '-' || *first == '+') {
        return std::nullopt;
    }
    return value;
}

bool separatorsInPlace(std::string_view text) {
    return text[2] == '.' && text[5] == '.' && text[10] == ' ' && text[13] == ':' &&
           text[16] == ':';
}

bool exists(const LocalDateTime& t) {
    const std::chrono::year_month_day date{std::chrono::year{t.year},
                                           std::chrono::month{static_cast<unsigned>(t.month)},
                                           std::chrono::day{static_cast<unsigned>(t.day)}};
    return t.year >= 1 && date.ok() && t.hour < 24 && t.minute < 60 && t.second < 60;
}

} // namespace

LocalDateTime localDateTime(std::chrono::system_clock::time_point now) {
    using namespace std::chrono;
    const sys_days today = floor<days>(now);
    const year_month_day date{today};
    const hh_mm_ss time{floor<seconds>(now - today)};
    return {static_cast<int>(date.year()),
            static_cast<int>(static_cast<unsigned>(date.month())),
            static_cast<int>(static_cast<unsigned>(date.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

std::string dateTimeText(const LocalDateTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", t.day, t.month, t.year,
                  t.hour, t.minute, t.second);
    return text;
}

std::optional<LocalDateTime> parseDateTimeText(std::string_view text) {
    if (text.size() != DateTimeTextLength || !separatorsInPlace(text)) {
        return std::nullopt;
    }
    const auto day = digitsAt(text, 0, 2);
    const auto month = digitsAt(text, 3, 2);
    const auto year = digitsAt(text, 6, 4);
    const auto hour = digitsAt(text, 11, 2);
    const auto minute = digitsAt(text, 14, 2);
    const auto second = digitsAt(text, 17, 2);
    if (!day || !month || !year || !hour || !minute || !second) {
        return std::nullopt;
    }
    const LocalDateTime parsed{*year, *month, *day, *hour, *minute, *second};
    if (!exists(parsed)) {
        return std::nullopt;
    }
    return parsed;
}

std::optional<std::int32_t> controlNumber(std::string_view dateTimeText, std::int32_t capital) {
    const std::optional<LocalDateTime> t = parseDateTimeText(dateTimeText);
    if (!t) {
        return std::nullopt;
    }
    using namespace std::chrono;
    const sys_days date =
        year{t->year} / month{static_cast<unsigned>(t->month)} / day{static_cast<unsigned>(t->day)};
    const sys_days firstDay = year{1} / January / 1;
    const std::int64_t dayNumber = (date - firstDay).count() + 1;
    const std::int64_t milliseconds = ((t->hour * 60LL + t->minute) * 60 + t->second) * 1000;
    // The sum wraps like the 32-bit integer it is written as, so a huge capital gives a number
    // instead of undefined behaviour.
    const auto sum = static_cast<std::uint32_t>(dayNumber + milliseconds + capital);
    return static_cast<std::int32_t>(sum);
}

} // namespace quendra
