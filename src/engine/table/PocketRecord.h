// One pocket of the wheel as stored in a wheel data file: 36 bytes, little-endian.
#pragma once

#include "table/BetField.h"

#include <array>
#include <cstdint>

namespace quendra {

struct PocketRecord {
    std::uint8_t number = 0;                     // 0-36, 37 = 00
    char colour = 'H';                           // 'R' red, 'S' black, 'H' zero
    std::array<std::uint8_t, 3> evenChances{};   // EC indices, 0 where none
    std::uint8_t dozen = 0;                      // DZ index, 0 for the zeros
    std::uint8_t column = 0;                     // KL index, 0 for the zeros
    std::array<std::uint8_t, 4> transversales{}; // TP indices, filled from the front
    std::array<std::uint8_t, 2> simples{};       // TS indices
    std::array<std::uint8_t, 4> carres{};        // CA indices
    std::array<std::uint8_t, 5> chevals{};       // CH indices
    std::int32_t ballX = 0;                      // ball on the wheel picture in this pocket
    std::int32_t ballY = 0;

    bool operator==(const PocketRecord&) const = default;
};

inline constexpr int PocketRecordSize = 36;

// The record of a number as the catalogue defines it: colour letter and every membership list,
// ascending and filled from the front; the ball position is left at (0, 0). The zeros have no
// even chance, dozen, column or transversale simple. number must be 0 to highestNumber(table).
PocketRecord pocketRecordFor(TableType table, int number);

} // namespace quendra
