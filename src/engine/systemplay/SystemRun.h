// The run of a player's system for one coup: the events before the run, the sections that
// apply, the carry-over of the bet items into the next coup's argument table, the restart reset
// and the count of system coups; with the system reset and the events of the abort settings.
#pragma once

#include "game/Game.h"
#include "systemplay/SystemReader.h"

namespace quendra {

// One run of the player's system over the lines of his checked system file. The caller has made him
// `CurrentPlayer` and emptied the bet list, which the run fills. Returns whether his system is
// still active afterwards, so that the bets are to be placed; false when a message stopped it.
bool RunSystem(Game& game, int player, const SystemSteps& steps);

// The system (re)starts: the system state's reset (see systemReset) and `SystemCoups` 0.
void ResetPlayerSystem(Player& player);

// Activation, and a restart after the system file changed: the start section runs at the next
// run with the waiting coups off and no reference capital.
void PrepareSystemStart(Player& player);

} // namespace quendra
