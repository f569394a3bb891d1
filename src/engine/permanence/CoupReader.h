// `Get_Cup_of_Ladefile`: the coup reader that feeds the game from the load-file set while the
// main load file is active, one line read per need.
#pragma once

namespace quendra {

class Game;
struct Table;

// Yields the next coup of the load files and returns the pockets the ball travels from
// `ballPocket` to the coup's pocket (a whole turn, PocketCount, for the same pocket).
//
// Comment lines go into the system players' protocols; "--" raises `DaySeparatorSeen` for
// every player, puts the separator into the last-sixteen strip and the spin history and counts
// it; invalid tokens are passed over. At the end of the main file the next follow file becomes
// the main file (follow slots shift up and are refilled from the collect file); when none is
// left the load ends: a random number from 1 to PocketCount - 1 labelled "Computer" is the coup,
// `PermanenceEnd` is raised, `HaLaAktiv` unticked and, under `PauseAtLoadEnd`, a pause
// requested.
int Get_Cup_of_Ladefile(Game& game, int ballPocket);

// Pockets from `ballPocket` forward to the pocket holding `number`; PocketCount when the ball
// already lies there.
int pocketDistance(const Table& table, int number, int ballPocket);

} // namespace quendra
