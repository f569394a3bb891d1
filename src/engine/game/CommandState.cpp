// The enabled, ticked and shown commands, derived from the game state.
#include "game/CommandState.h"

namespace quendra {
namespace {

CommandEntry entry(bool enabled, bool checked = false) {
    return {enabled, checked, true};
}

} // namespace

CommandState commandState(const GameState& state) {
    const BetCommandState bets = betCommandState(state);
    const bool running = state.phase != TextKind::gkSpielstart;
    const bool paused = state.phase == TextKind::gkPause;
    const bool userPause = paused && state.UserPause;
    const bool superShort = state.superShortRunning();
    const bool replayAllowed = running && !state.anySystemPlayer();

    CommandState commands;
    commands.Start1 = entry(!running);
    commands.Optionen1 = entry(bets.options && !userPause);
    commands.SpielEnde1 = entry(running && !state.CoupInProgress);
    // The manual time bar stops the timer between coups: there is nothing to pause.
    commands.Pause =
        entry(running && !state.CoupInProgress && state.phase != TextKind::gkMakeMan, paused);
    commands.Turnierspielstarten1 = {!state.TournamentActive, false, state.TournamentMenuShown};
    commands.Turnierspielstoppen1 = {state.TournamentActive, false, state.TournamentMenuShown};

    commands.Systemspiel1 = entry(running && !state.TournamentActive);
    commands.Ladefile1 = entry(!state.TournamentActive);
    commands.menus = !state.bets.payout.counting;
    commands.StatRcksetzung1 = entry(commands.menus); // in the menu "Spielfunktionen"
    commands.Replay1 = entry(replayAllowed, state.ReplayOn);
    commands.BU_Replay = commands.Replay1;
    commands.Superkurzspiel = entry(running, superShort);
    commands.BU_Superkurzspiel = commands.Superkurzspiel;

    const AnalysisState& analysis = state.permanence.analysis;
    commands.LadeADatei = entry(true, analysis.LadeADateiChecked);
    commands.Dateiaddieren = entry(analysis.analysisEntriesEnabled);
    commands.APermanenz1 = commands.Dateiaddieren;
    commands.AStatistik1 = commands.Dateiaddieren;

    commands.BU_ClearJetons = entry(running && bets.clearChips);
    commands.BU_LastBet = entry(bets.lastBet);
    commands.lastBetHint = bets.lastBetHint;
    commands.extendedBets = bets.extendedBets;

    commands.ReplayAktivText = state.ReplayOn;
    commands.SuperkurzAktivtext = superShort;
    commands.Matrix_Status = state.TournamentActive;
    return commands;
}

std::string windowCaption(const GameState& state) {
    if (state.phase != TextKind::gkPause) {
        return "Quendra";
    }
    return languageFromIndex(state.settings.Language) == Language::German ? "Quendra (Pause)"
                                                                          : "Quendra (Break)";
}

} // namespace quendra
