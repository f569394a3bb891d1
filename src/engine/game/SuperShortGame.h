// The super-short game: coups follow each other without betting time and without animation,
// for a number of coups or without end.
#pragma once

#include "game/Game.h"

namespace quendra {

// Super-short game (F10, `BU_Superkurzspiel`): off when it runs; otherwise the number of coups
// is asked (0 for no end) and it starts. Ignored in a pause.
void SuperShortClick(Game& game);
// Starts the super-short game for `target` coups (0: without end).
void SuperShortGameOn(Game& game, int target);
// Ends the super-short game: back to betting time, or to the manual time bar when that was on.
void SuperShortGameOff(Game& game);

} // namespace quendra
