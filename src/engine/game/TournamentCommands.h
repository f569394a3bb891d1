// The tournament's menu entries "Turnierspiel starten" and "Turnierspiel stoppen".
#pragma once

#include "game/Game.h"

#include <chrono>

namespace quendra {

// "Turnierspiel starten": the rules dialog, and on its "Start" the tournament begins. True when
// it began.
bool TournamentStartClick(Game& game);
// "Turnierspiel stoppen" while a tournament runs.
void TournamentStopClick(Game& game);
// The tournament is over, stopped by the user or after its last throw: Replay and the
// super-short game go off.
void EndTournament(Game& game);
// True within the tournament period: from 9 October 2003 up to the start of 11 November 2003.
bool tournamentPeriod(std::chrono::system_clock::time_point now);

} // namespace quendra
