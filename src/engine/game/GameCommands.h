// The main window's game commands: Start, the options' confirmation, Spiel Ende, Replay, the
// statistics reset, the delay keys and the help. Each command checks that it is enabled
// (commandState), so a caller cannot run one the window would not offer.
#pragma once

#include "game/Game.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace quendra {

// Start (F2), only while no game runs: with the manual time bar the game waits in `gkMakeMan`
// with the timer stopped, otherwise it runs in `gkMakeBet`.
bool StartGame(Game& game);

// The options dialog confirmed with the record as the dialog left it (inside the dialog's
// pause): the settings, a switched table loaded, the delay, the capitals reset with the
// question per player, the panels, and the time-bar switch. False when the switched table could
// not be loaded (error 7 has been shown).
bool ConfirmOptions(Game& game, const Settings& edited);

// Spiel Ende (F11): question 3, and on Yes the game ends: the settings saved and read again,
// the files closed, the statistics of the game and every player reset, the capitals back to the
// initial capital, Replay and the super-short game off. True when the game ended.
bool EndGame(Game& game, SettingsStore& store);

// Replay (F9, `BU_Replay`, a double click on `ReplayAktivText`): on or off; ignored in a pause
// and refused (false) while a player plays a system. Switching it on clears hidden bets.
bool ReplayClick(Game& game);

// StatRücksetzung (F8): the question, and on Yes the statistics counters and every player's
// counters, turnover and course of results are reset.
bool StatisticsResetClick(Game& game);
// The box "Warnung", Yes/No with No as the default.
MessageBoxData statisticsResetQuestion(Language language);

// The `+` and `-` keys: the delay one higher or lower, kept within 1 to 100, and the time bar's
// length with it. Not with the manual time bar.
bool ChangeDelay(Game& game, int step);

} // namespace quendra
