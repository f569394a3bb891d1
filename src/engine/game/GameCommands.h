// The main window's game commands: Start, the pause protocol and Pause, the time-bar switch,
// the options' confirmation, Spiel Ende, Replay, the super-short game, the statistics reset,
// the delay keys, the tournament entries and the help. Each command checks that it is enabled
// (commandState), so a caller cannot run one the window would not offer.
#pragma once

#include "game/Game.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

#include <filesystem>

namespace quendra {

// Start (F2), only while no game runs: with the manual time bar the game waits in `gkMakeMan`
// with the timer stopped, otherwise it runs in `gkMakeBet`.
bool StartGame(Game& game);

// The pause protocol around Pause and every dialog. Entering does nothing in `gkSpielstart` and
// `gkMakeMan`; it ends a super-short game first; then the timer stops and the phase is
// `gkPause`. Leaving resumes only a pause that the user did not choose himself.
void EnterPause(Game& game);
void LeavePause(Game& game);

// The pause protocol as a scope: the game pauses while a dialog is open.
class DialogPause {
public:
    explicit DialogPause(Game& game) : game_(game) { EnterPause(game_); }
    ~DialogPause() { LeavePause(game_); }
    DialogPause(const DialogPause&) = delete;
    DialogPause& operator=(const DialogPause&) = delete;

private:
    Game& game_;
};

// Pause (F12): pauses as the user's pause, or ends the user's pause. A dialog opened during a
// user pause leaves the game paused when it closes.
void PauseClick(Game& game);

// The options dialog switches the time bar; while a game runs the time bar restarts empty.
void SwitchToManualTimeBar(Game& game);
void SwitchToAutomaticTimeBar(Game& game);

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

// Super-short game (F10, `BU_Superkurzspiel`): off when it runs; otherwise the number of coups
// is asked (0 for no end) and it starts. Ignored in a pause.
void SuperShortClick(Game& game);
// Starts the super-short game for `target` coups (0: without end).
void SuperShortGameOn(Game& game, int target);
// Ends the super-short game: back to betting time, or to the manual time bar when that was on.
void SuperShortGameOff(Game& game);

// StatRücksetzung (F8): the question, and on Yes the statistics counters and every player's
// counters, turnover and course of results are reset.
bool StatisticsResetClick(Game& game);
// The box "Warnung", Yes/No with No as the default.
MessageBoxData statisticsResetQuestion(Language language);

// The `+` and `-` keys: the delay one higher or lower, kept within 1 to 100, and the time bar's
// length with it. Not with the manual time bar.
bool ChangeDelay(Game& game, int step);

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

// "Hilfe Inhalt": the help file of the language opened by the system, in a dialog pause; when
// that fails the plain message HelpFileMissing. Returns whether it opened.
bool HelpClick(Game& game);
std::filesystem::path helpFile(const GameState& state);
inline constexpr BilingualText HelpFileMissing{"Hilfedatei wurde nicht gefunden!",
                                               "Helpfile not found!"};

} // namespace quendra
