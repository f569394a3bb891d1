// The game timer's tick and the coup it plays, step by step in their order.
#include "spin/SpinCycle.h"

#include "bets/ClearBoard.h"
#include "bets/Payout.h"
#include "bets/Settlement.h"
#include "game/PauseProtocol.h"
#include "game/PlayerPanel.h"
#include "game/SuperShortGame.h"
#include "game/TournamentCommands.h"
#include "spin/BallRun.h"
#include "spin/CoupRecords.h"
#include "spin/NumberPick.h"
#include "spin/NumberSource.h"
#include "spin/PermanenceStrip.h"
#include "spin/TimeBar.h"
#include "tournament/Tournament.h"

namespace quendra {
namespace {

bool wheelLoaded(const Table& table) {
    return table.PocketCount >= 1 &&
           table.PocketTable.size() == static_cast<std::size_t>(table.PocketCount) &&
           table.BallPocket >= 1 && table.BallPocket <= table.PocketCount;
}

// Bets hidden for Rebet are given up once the next coup starts.
void clearHiddenBets(Game& game) {
    GameState& state = game.state();
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        if (state.player(p).BetsHidden) {
            ClearBoard(game, p, ClearMode::Clear);
        }
    }
}

void beginCoup(GameState& state) {
    state.CoupInProgress = true;
    if (!state.superShortRunning()) {
        state.phase = TextKind::gkSpielende;
    }
    state.GameTimerOn = false;
}

// The load files are exhausted: the game pauses as the user's pause, so that the next coup
// follows the first tick after the user ends it.
void pauseAtLoadEnd(Game& game) {
    GameState& state = game.state();
    state.PauseRequest = false;
    EnterUserPause(game);
    game.showInfo(13);
}

// The load files ended in a run that ends with them: the coup is not played.
void stopAtLoadEnd(Game& game) {
    game.state().PauseRequest = false;
    EnterUserPause(game);
}

void moveWinIndicator(Game& game) {
    GameState& state = game.state();
    state.bets.WinIndicator = winIndicatorPosition(state.table.type(), state.table.ballNumber());
}

void recordStatistics(Game& game) {
    GameState& state = game.state();
    const PocketRecord& pocket = state.table.pocket(state.table.BallPocket);
    // The warning comes first; the coup it announces is still counted.
    if (Stat_CountsLastCoup(state.statistics, pocket)) {
        game.showInfo(2);
    }
    Stat_RecordCoup(state.statistics, pocket, state.settings.ExtendedStatistics);
}

void clearBoardsAfterCoup(Game& game) {
    GameState& state = game.state();
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        ClearBoard(game, p, state.player(p).isSystemPlayer() ? ClearMode::Clear : ClearMode::Hide);
    }
}

void tournamentThrowDone(Game& game) {
    GameState& state = game.state();
    if (!state.TournamentActive) {
        return;
    }
    const TournamentThrowOutcome outcome = tournamentThrow(state, localDateTime(game.host().now()));
    game.host().changed(Change::Tournament);
    if (outcome.lost) {
        game.endSuperShortGame();
        game.host().showTournamentLost();
    }
    if (outcome.ended) {
        const bool replayKeptBets = state.ReplayOn;
        EndTournament(game);
        // The end unticks Replay after the table kept the bets for it: nobody buys them again.
        if (replayKeptBets && !state.ReplayOn) {
            TakeOffReplayBets(game);
        }
        if (outcome.result) {
            game.host().showTournamentResult(*outcome.result);
        }
    }
}

// The ball runs, the coup is recorded, settled and paid, and the table made ready for the next.
void spin(Game& game) {
    GameState& state = game.state();
    ShiftLastSixteen(state);
    // The cursor is hidden while the ball runs: no chip is placed meanwhile.
    const bool wasBlocked = state.bets.PlacementBlocked;
    state.bets.PlacementBlocked = true;
    RunBall(game);
    state.bets.PlacementBlocked = wasBlocked;
    RecordWinningPocket(state);
    moveWinIndicator(game);
    recordStatistics(game);
    ShowPermanenceStrip(state);
    game.host().changed(Change::Ball | Change::WinIndicator | Change::Permanence);

    SettleCoup(game);
    PayOutWins(game);
    game.hooks().writeProtocolLines(game);
    RecordPlayerCoups(state);
    ApplyReplayStop(game);
    clearBoardsAfterCoup(game);
    tournamentThrowDone(game);
    BuyReplayBets(game);
    ReturnReleasedPrisoners(game);
    if (!state.superShortRunning()) {
        EndPayoutDisplay(game);
        RefreshPlayerPanel(game);
    }
}

// The next betting time. A dialog opened during the coup keeps the game paused until it closes.
void restart(GameState& state) {
    state.TimeBarTick = -1;
    if (state.phase == TextKind::gkPause) {
        return;
    }
    state.GameTimerOn = true;
    if (state.settings.ManualTimeBar) {
        state.phase = TextKind::gkMakeMan;
        state.GameTimerOn = false;
    } else if (!state.superShortRunning()) {
        state.phase = TextKind::gkMakeBet;
    }
}

void playCoup(Game& game) {
    GameState& state = game.state();
    clearHiddenBets(game);
    beginCoup(state);
    const bool fromLoadFiles = game.hooks().mainLoadFileActive(game);
    DrawBallSteps(game);
    if (state.PauseRequest && !state.anySystemPlayer()) {
        pauseAtLoadEnd(game);
    } else if (state.EndAtLoadEnd && fromLoadFiles && !game.hooks().mainLoadFileActive(game)) {
        stopAtLoadEnd(game);
    } else {
        AddExtraTurns(game);
        ClearManualNumber(state);
        UpdateSourceChange(state);
        spin(game);
        restart(state);
        PlaySystemPlayers(game);
    }
    state.CoupInProgress = false;
    game.host().changed(Change::Phase | Change::Commands | Change::ManualNumber);
}

void countSuperShortCoup(Game& game) {
    GameState& state = game.state();
    if (!state.superShortRunning() || state.SuperShortTarget == 0) {
        return;
    }
    ++state.SuperShortCount;
    if (state.SuperShortCount >= state.SuperShortTarget) {
        state.SuperShortTarget = 0;
        SuperShortGameOff(game);
    }
}

} // namespace

bool SpieltimerTick(Game& game) {
    GameState& state = game.state();
    if (!state.GameTimerOn || !wheelLoaded(state.table)) {
        return false;
    }
    const bool coup = state.TimeBarTick >= state.TimeBarLimit;
    if (coup) {
        playCoup(game);
    }
    AdvanceTimeBar(state);
    countSuperShortCoup(game);
    if (!state.superShortRunning()) {
        game.host().changed(Change::Phase);
    }
    return coup;
}

void BeginSuperShortBatch(Game& game) {
    game.state().systemPlay.files.newBatch();
}

int RunSuperShortTicks(Game& game, int maxTicks) {
    int ticks = 0;
    while (ticks < maxTicks && game.state().superShortRunning() && game.state().GameTimerOn) {
        SpieltimerTick(game);
        ++ticks;
    }
    return ticks;
}

void PlaySystemPlayer(Game& game, int player) {
    GameState& state = game.state();
    if (!state.participates(player) || !state.player(player).isSystemPlayer()) {
        return;
    }
    state.bets.WinIndicator = WinIndicatorRest;
    const int outerTurn = state.SystemTurnPlayer;
    const int outerParked = state.ParkedSelection;
    state.ParkedSelection = state.selection();
    state.SystemTurnPlayer = player;
    state.CurrentPlayer = player;
    game.hooks().runSystemPlayer(game, player);
    state.CurrentPlayer = state.ParkedSelection;
    state.SystemTurnPlayer = outerTurn;
    state.ParkedSelection = outerParked;
    game.host().changed(Change::WinIndicator);
}

void PlaySystemPlayers(Game& game) {
    for (int p = 1; p <= game.state().playersInPlay(); ++p) {
        PlaySystemPlayer(game, p);
    }
}

} // namespace quendra
