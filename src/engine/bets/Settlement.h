// Settling a coup: the wins of every field, the zero rule of the even chances with its two
// prisons, and the released prisoners put back before the next bets.
#pragma once

#include "game/Game.h"

namespace quendra {

// `SettleCoup`: every participating player's `CoupWin` from the pocket `BallPocket`. On a
// zero the even chances follow the zero rule (`ZeroHandling`): half back, an odd unit into the
// first prison; a prisoner moves from the first to the second prison on a further zero and is
// lost on a third, is freed by its chance winning and lost when it loses. Without
// `WinPiecesToProfit` every winning stake stays on the table (`stays`). The boards are marked
// as holding a settled coup (see ClearBoard).
void SettleCoup(Game& game);

// The freed prisoners go back on their chances, one unit each, without charging the capital.
void ReturnReleasedPrisoners(Game& game);

// The net result of the player's last coup: `CoupWin` minus the stakes the coup took, that is
// `BetSum` less the stakes that stay on the table. Valid until the board is cleared.
std::int32_t coupNetResult(const Player& player);

} // namespace quendra
