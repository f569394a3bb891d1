// Each player's lowest, highest, summed and average cumulative result, as the player statistics
// last computed them; kept with the statistics so that their reset clears them too.
#pragma once

#include <array>
#include <cstdint>

namespace quendra {

// The results of one player, kept from one showing of the player statistics to the next.
struct PlayerResult {
    std::int32_t PlayerMinimum = 0; // the lowest cumulative result, 0 if none is lower
    std::int32_t PlayerMaximum = 0; // the highest cumulative result, 0 if none is higher
    // The sum of the cumulative results charted. It is 64-bit: 32000 results near the 32-bit
    // limit overflow a 32-bit sum.
    std::int64_t PlayerSum = 0;
    std::int32_t PlayerAverage = 0; // PlayerSum div `SpielerStatPos`, truncated towards zero
};

inline constexpr int PlayerResultSlots = 4;
using PlayerResults = std::array<PlayerResult, PlayerResultSlots>;

inline void clearPlayerResults(PlayerResults& results) {
    results.fill(PlayerResult{});
}

} // namespace quendra
