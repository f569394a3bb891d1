// Moving money between a player's capital and his stake on the table.
#pragma once

#include "bets/Amount.h"
#include "game/GameState.h"

namespace quendra {

// Capital −= amount, BetSum += amount (a negative amount moves money back to the capital).
// False, changing nothing, when either sum would leave the 32-bit range.
inline bool moveToTable(Player& player, std::int64_t amount) {
    const std::int64_t capital = std::int64_t{player.Capital} - amount;
    const std::int64_t betSum = std::int64_t{player.BetSum} + amount;
    if (!fitsAmount(capital) || !fitsAmount(betSum)) {
        return false;
    }
    player.Capital = static_cast<std::int32_t>(capital);
    player.BetSum = static_cast<std::int32_t>(betSum);
    return true;
}

} // namespace quendra
