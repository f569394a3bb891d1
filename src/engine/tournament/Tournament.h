// The tournament game's bookkeeping: its start and stop, the settings it plays with, the throws
// left, and the end of the last throw with the result or the "lost" dialog.
#pragma once

#include "game/GameState.h"
#include "settings/Settings.h"
#include "text/Language.h"
#include "tournament/ControlNumber.h"

#include <cstdint>
#include <optional>
#include <string>

namespace quendra {

inline constexpr int TournamentThrows = 20;
inline constexpr int TournamentCapital = 1000;
inline constexpr int TournamentPieceValue = 50;

// One player with 1000 pieces, amounts in real money at 50 a piece. Changed in memory only; a
// stopped tournament leaves them as they are.
void applyTournamentSettings(Settings& settings);

// The confirmed "Start" of the rules dialog: the tournament settings, TournamentActive, all
// throws left, player 1's system play off and the manual time bar off. Returns whether the
// manual time bar was on, so the caller goes over to the automatic one. Around it the caller
// clears every board, resets the capitals to the initial capital and sets the menus.
bool startTournament(GameState& state);

// "Turnierspiel stoppen" and the end of a tournament: no tournament runs and no throws are
// left. The caller unticks Replay and the super-short game and sets the menus.
void stopTournament(GameState& state);

// "Turnierspiel aktiv! Noch 20 Wuerfe!" / "Tournament active! Yet 20 throws!"
std::string tournamentStatusText(int throwsLeft, Language language);

// What the dialog "Gratulation!" shows.
struct TournamentResult {
    std::int32_t pieces = 0;
    std::string Stueckanzahl; // "1250 Stücke", also the text of Label4
    std::string DatumUhrzeit; // dateTimeText of the end
    std::int32_t Kontrollnummer = 0;
};

struct TournamentThrowOutcome {
    // Player 1 has no capital left: the caller shows "Leider verloren!" first.
    bool lost = false;
    // The tournament is over and stopped.
    bool ended = false;
    // For the result dialog, after a last throw with capital left.
    std::optional<TournamentResult> result;
};

// The bookkeeping after every settled coup while TournamentActive: one throw less; a player 1
// without capital (0, or below should it ever happen) loses and ends the tournament at once;
// the last throw ends it with a result dated `now`. Does nothing when no tournament runs.
TournamentThrowOutcome tournamentThrow(GameState& state, const LocalDateTime& now);

// The result of a tournament ended at `now` with the given capital.
TournamentResult tournamentResult(std::int32_t capital, const LocalDateTime& now);

} // namespace quendra
