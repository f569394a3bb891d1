// After a coup: clearing, hiding and showing a player's bets, Rebet, and Replay, which keeps the
// bets and buys them again.
#pragma once

#include "game/Game.h"

namespace quendra {

enum class ClearMode : int {
    Clear = 0, // take the bets off the table
    Hide = 1,  // hide the settled bets, kept for Rebet
    Show = 2,  // put the hidden bets back (Rebet)
};

// Replay keeps the player's bets for the next coup: Replay is on and, with `ReplayStop` on, the
// capital covered them.
bool replayKeeps(const GameState& state, int player);

// `ClearBoard`: a system player always gets ClearMode::Clear. A winning stake that stays on
// the table (its win was paid without it) stays as the player's money. Stakes of the coup just
// settled come off without return; any other stake taken off goes back to the capital. Right
// after the settlement, when Replay keeps the bets, nothing is taken off and every staying
// stake is doubled: it goes back to the capital and is bought twice with the other bets.
void ClearBoard(Game& game, int player, ClearMode mode);

// "gleicher Einsatz": the hidden bets of `CurrentPlayer` come back and are charged without a
// capital check. Only while his bets are hidden, `WinPiecesToProfit` is on and not in a pause.
void Rebet(Game& game);

// With `ReplayStop` and Replay on: `ReplayRefused` of each player whose capital does not cover
// his bets, each with warning 18.
void ApplyReplayStop(Game& game);

// Replay buys the kept bets again: `Capital` −= `BetSum` for every player Replay kept.
void BuyReplayBets(Game& game);

// Replay was unticked between the clearing that kept the bets for it and their purchase (the
// tournament's end): the kept bets come off as the clearing would have taken them without Replay,
// hidden for Rebet and unpaid, so nothing stays on the table that nobody bought.
void TakeOffReplayBets(Game& game);

} // namespace quendra
