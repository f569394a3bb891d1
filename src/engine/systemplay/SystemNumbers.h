// The integer conversion of the system language: decimal or "$"/"0x" hexadecimal, with a sign.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace quendra {

// Leading spaces are skipped, then an optional sign, then digits; a "$", "0x" or "0X" prefix
// after the sign makes them hexadecimal ("0X" because a normalised file is in capitals). Any
// other character, no digit at all, or a value outside the 32-bit range fails the conversion.
std::optional<std::int32_t> toInteger(std::string_view text);

// The same conversion where a failure is ignored: the value read before the first offending
// character ("12AB" is 12; "", "-" and "AB" are 0). A digit that would leave the 32-bit range
// counts as the offending character.
std::int32_t leadingInteger(std::string_view text);

} // namespace quendra
