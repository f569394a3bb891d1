// The tournament's start, stop and per-throw bookkeeping on the game state.
#include "tournament/Tournament.h"

namespace quendra {

void applyTournamentSettings(Settings& settings) {
    settings.PlayerCount = 1;
    settings.InitialCapital = TournamentCapital;
    settings.ShowPieces = false;
    settings.ShowReal = true;
    settings.PieceValue = TournamentPieceValue;
}

bool startTournament(GameState& state) {
    applyTournamentSettings(state.settings);
    state.TournamentActive = true;
    state.TournamentLeft = TournamentThrows;
    state.player(1).sys.SystemActive = false;
    const bool manualTimeBarWasOn = state.settings.ManualTimeBar;
    state.settings.ManualTimeBar = false;
    return manualTimeBarWasOn;
}

void stopTournament(GameState& state) {
    state.TournamentActive = false;
    state.TournamentLeft = 0;
}

std::string tournamentStatusText(int throwsLeft, Language language) {
    const std::string count = std::to_string(throwsLeft);
    if (language == Language::German) {
        return "Turnierspiel aktiv! Noch " + count + " Wuerfe!";
    }
    return "Tournament active! Yet " + count + " throws!";
}

TournamentResult tournamentResult(std::int32_t capital, const LocalDateTime& now) {
    TournamentResult result;
    result.pieces = capital;
    result.Stueckanzahl = std::to_string(capital) + " Stücke";
    result.DatumUhrzeit = dateTimeText(now);
    // The text just written always parses; the fallback only keeps the function total.
    result.Kontrollnummer = controlNumber(result.DatumUhrzeit, capital).value_or(0);
    return result;
}

TournamentThrowOutcome tournamentThrow(GameState& state, const LocalDateTime& now) {
    TournamentThrowOutcome outcome;
    if (!state.TournamentActive) {
        return outcome;
    }
    state.TournamentLeft -= 1;
    const std::int32_t capital = state.player(1).Capital;
    if (capital <= 0) {
        outcome.lost = true;
        state.TournamentLeft = 0;
    }
    if (state.TournamentLeft <= 0) {
        stopTournament(state);
        outcome.ended = true;
        if (!outcome.lost) {
            outcome.result = tournamentResult(capital, now);
        }
    }
    return outcome;
}

} // namespace quendra
