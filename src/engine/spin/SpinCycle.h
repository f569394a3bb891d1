// The spin cycle: the game timer's tick that fills the time bar and, when it is full, plays the
// coup — number source, ball run, histories and statistics, settlement and payout, clearing,
// tournament, Replay, restart and the system players' bets.
#pragma once

#include "game/Game.h"

namespace quendra {

// One tick of the game timer `Spieltimer` (every 25 ms while it runs; a test or the CLI calls
// it in a loop). Does nothing while the timer is stopped. Returns whether a coup was played.
bool SpieltimerTick(Game& game);

// Ticks while the super-short game runs, at most maxTicks of them; returns the ticks run. The
// app calls it from its timer so that the super-short game is not held to one coup per 25 ms.
int RunSuperShortTicks(Game& game, int maxTicks);
// A batch of super-short coups begins (the app's timer tick, a run of the CLI): its first coup
// looks at every system file on disk again; later ones do so only now and then.
void BeginSuperShortBatch(Game& game);

// The system players' turns: each participating player whose system play is active is made
// `CurrentPlayer` in turn and plays his system (GameHooks::runSystemPlayer) and stays so to the
// end of his placement, whatever box appears; the selection, refreshed meanwhile if a box asked
// for it, is restored afterwards. Also the initial system bets (`Systemsetz_Timer`) for the players
// given.
void PlaySystemPlayers(Game& game);
void PlaySystemPlayer(Game& game, int player);

} // namespace quendra
