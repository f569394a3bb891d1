// The tournament's menu entries: the start from the rules dialog, the stop, and the period in
// which the entries show.
#include "game/TournamentCommands.h"

#include "bets/ClearBoard.h"
#include "game/CommandState.h"
#include "game/PauseProtocol.h"
#include "game/PlayerPanel.h"
#include "game/SuperShortGame.h"
#include "tournament/Tournament.h"

namespace quendra {

bool TournamentStartClick(Game& game) {
    GameState& state = game.state();
    const CommandEntry entry = commandState(state).Turnierspielstarten1;
    if (!entry.enabled || !entry.visible) {
        return false;
    }
    DialogPause pause(game);
    if (!game.host().confirmTournamentStart()) {
        return false;
    }
    const bool manualWasOn = startTournament(state);
    for (int p = 1; p <= PlayerSlots; ++p) {
        ClearBoard(game, p, ClearMode::Hide);
    }
    if (manualWasOn) {
        SwitchToAutomaticTimeBar(game);
    }
    ResetCapitals(game, CapitalReset::Initial);
    RefreshPlayerPanel(game);
    game.host().changed(Change::Tournament | Change::Commands);
    return true;
}

void TournamentStopClick(Game& game) {
    if (commandState(game.state()).Turnierspielstoppen1.enabled) {
        EndTournament(game);
    }
}

void EndTournament(Game& game) {
    stopTournament(game.state());
    SuperShortGameOff(game);
    game.state().ReplayOn = false;
    game.host().changed(Change::Tournament | Change::Commands);
}

bool tournamentPeriod(std::chrono::system_clock::time_point now) {
    using namespace std::chrono;
    const sys_days day = floor<days>(now);
    return day >= sys_days{2003y / October / 9} && day < sys_days{2003y / November / 11};
}

} // namespace quendra
