// The pause protocol that Pause and every dialog follow, and the switch between the automatic and
// the manual time bar.
#include "game/PauseProtocol.h"

#include "game/CommandState.h"
#include "game/SuperShortGame.h"

namespace quendra {
namespace {

// The manual time bar: the game waits for the user's throw with an empty bar.
void waitForManualThrow(GameState& state) {
    state.phase = TextKind::gkMakeMan;
    state.GameTimerOn = false;
    state.TimeBarTick = 0;
}

} // namespace

void EnterPause(Game& game) {
    GameState& state = game.state();
    if (state.phase == TextKind::gkSpielstart || state.phase == TextKind::gkMakeMan) {
        return;
    }
    SuperShortGameOff(game);
    state.GameTimerOn = false;
    state.phase = TextKind::gkPause;
    game.host().changed(Change::Phase | Change::Commands | Change::Bars);
}

void LeavePause(Game& game) {
    GameState& state = game.state();
    if (state.phase != TextKind::gkPause || state.UserPause) {
        return;
    }
    if (state.settings.ManualTimeBar) {
        waitForManualThrow(state);
    } else {
        state.GameTimerOn = true;
        state.phase = TextKind::gkMakeBet;
    }
    game.host().changed(Change::Phase | Change::Commands | Change::Bars);
}

void EnterUserPause(Game& game) {
    EnterPause(game);
    game.state().UserPause = true;
    game.host().changed(Change::Commands);
}

void PauseClick(Game& game) {
    GameState& state = game.state();
    if (!commandState(state).Pause.enabled) {
        return;
    }
    if (state.phase == TextKind::gkPause) {
        state.UserPause = false;
        LeavePause(game);
        game.host().changed(Change::Commands);
    } else {
        EnterUserPause(game);
    }
}

void SwitchToManualTimeBar(Game& game) {
    GameState& state = game.state();
    state.settings.ManualTimeBar = true;
    if (state.gameRunning()) {
        waitForManualThrow(state);
        game.host().changed(Change::Phase | Change::Commands | Change::Bars);
    }
}

void SwitchToAutomaticTimeBar(Game& game) {
    GameState& state = game.state();
    state.settings.ManualTimeBar = false;
    if (state.gameRunning()) {
        state.phase = TextKind::gkMakeBet;
        state.GameTimerOn = true;
        state.TimeBarTick = 0;
        game.host().changed(Change::Phase | Change::Commands | Change::Bars);
    }
}

} // namespace quendra
