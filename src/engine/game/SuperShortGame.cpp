// The super-short game: coups without betting time and without animation, for a number of coups
// or without end.
#include "game/SuperShortGame.h"

#include "bets/Payout.h"
#include "game/CommandState.h"
#include "game/PauseProtocol.h"
#include "game/PlayerPanel.h"
#include "spin/NumberRequest.h"

#include <algorithm>

namespace quendra {

void SuperShortClick(Game& game) {
    GameState& state = game.state();
    if (!commandState(state).Superkurzspiel.enabled || state.phase == TextKind::gkPause) {
        return;
    }
    if (state.superShortRunning()) {
        SuperShortGameOff(game);
        return;
    }
    const NumberRequest request =
        numberRequestFor(NumberRequestPurpose::SuperShortGame, state.table.type());
    std::optional<int> coups;
    {
        DialogPause pause(game);
        coups = game.host().requestNumber(request, state.language());
    }
    if (coups && *coups >= request.lowest && *coups <= request.highest) {
        SuperShortGameOn(game, *coups);
    }
}

void SuperShortGameOn(Game& game, int target) {
    GameState& state = game.state();
    if (state.superShortRunning() || !state.gameRunning()) {
        return;
    }
    state.SuperShortTarget = std::clamp(target, 0, SuperShortGameMaximum);
    state.SuperShortCount = 0;
    state.SuperShortSavedLimit = state.TimeBarLimit;
    state.TimeBarLimit = 0;
    state.TimeBarTick = 0;
    state.SuperShortManualWasOn = state.settings.ManualTimeBar;
    state.settings.ManualTimeBar = false;
    state.GameTimerOn = true;
    state.phase = TextKind::gkKurzspiel;
    game.host().changed(Change::Phase | Change::Commands | Change::Bars);
}

void SuperShortGameOff(Game& game) {
    GameState& state = game.state();
    if (!state.superShortRunning()) {
        return;
    }
    EndPayoutDisplay(game);
    RefreshPlayerPanel(game);
    state.TimeBarLimit = state.SuperShortSavedLimit;
    state.TimeBarTick = 0;
    if (state.SuperShortManualWasOn) {
        state.settings.ManualTimeBar = true;
        state.SuperShortManualWasOn = false;
        state.GameTimerOn = false;
        state.phase = TextKind::gkMakeMan;
    } else {
        state.phase = TextKind::gkMakeBet;
    }
    game.host().changed(Change::Phase | Change::Commands | Change::Bars);
}

} // namespace quendra
