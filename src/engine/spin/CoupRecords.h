// What a coup leaves behind besides the statistics: the wheel positions of the last coups (the
// last sixteen for the strip, the last three, the twelve system play reads) and each player's
// turnover and course of results.
#pragma once

#include "game/GameState.h"

namespace quendra {

// Before the ball runs: the strip moves one place towards its oldest end and its newest place
// holds no pocket until the ball stops.
void ShiftLastSixteen(GameState& state);

// After the ball stopped in `BallPocket`: the newest place of `LastSixteen` and `RecentPockets`
// (newest first) take it, and system play's coup history GZ, VZ, V0-V9 its number.
void RecordWinningPocket(GameState& state);

// After the settlement: every player's `TotalStaked` and `CoupsWithStake`, then the coup counted
// in `SpielerStatPos` and, for the first 32000 coups, each player's course: the stake, the
// coup's net result `CoupNet` and their running sum (kept within 32 bits).
void RecordPlayerCoups(GameState& state);

// The player's course of results, oldest coup first: the coups counted in `SpielerStatPos`, at
// most 32000.
std::span<const PlayerCoup> playerCourse(const GameState& state, int player);

// Forgets the player's turnover, coups with a stake and course of results.
void ClearPlayerStatistics(Player& player);

} // namespace quendra
