// The tournament's date-time text and the control number a player sends in with his result.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quendra {

// A wall-clock date and time to the second.
struct LocalDateTime {
    int year = 1;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    bool operator==(const LocalDateTime&) const = default;
};

// The host's clock tells the local wall-clock time; this takes it apart to the second.
LocalDateTime localDateTime(std::chrono::system_clock::time_point now);

// "dd.mm.yyyy hh:mm:ss", the text the result dialog shows.
std::string dateTimeText(const LocalDateTime& dateTime);
// The inverse of dateTimeText; nullopt for any other text or a date or time that does not exist.
std::optional<LocalDateTime> parseDateTimeText(std::string_view text);

// The control number of a result: the day number of the shown date (1 January of year 1 is day
// 1) plus the milliseconds of the shown time of day plus the capital. It is taken from the
// text, so it depends on nothing the dialog does not show; it wraps as a 32-bit integer.
// nullopt when the text is not a date-time text.
std::optional<std::int32_t> controlNumber(std::string_view dateTimeText, std::int32_t capital);

} // namespace quendra
