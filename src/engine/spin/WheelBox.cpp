// The wheel box's clicks.
#include "spin/WheelBox.h"

#include "game/PauseProtocol.h"
#include "spin/NumberPick.h"

namespace quendra {

void KesselboxRightClick(Game& game) {
    GameState& state = game.state();
    if (state.betsAccepted()) {
        state.TimeBarTick = state.TimeBarLimit - 1;
        state.GameTimerOn = true;
        game.host().changed(Change::Phase);
    } else if (state.phase == TextKind::gkSpielstart) {
        game.showWarning(8);
    }
    if (state.settings.ClickSound) {
        game.host().beep();
    }
}

void KesselboxLeftClick(Game& game) {
    GameState& state = game.state();
    DialogPause pause(game);
    for (;;) {
        const std::optional<int> chosen =
            state.ManualSteps != NoneMarker ? std::optional<int>(state.ManualNumber) : std::nullopt;
        const std::optional<int> clicked = game.host().selectNumber(state.table.type(), chosen);
        if (!clicked || PickManualNumber(state, *clicked) == NumberPick::Picked) {
            break;
        }
    }
    game.host().changed(Change::ManualNumber);
}

} // namespace quendra
