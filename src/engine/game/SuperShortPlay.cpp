#include "game/SuperShortPlay.h"

#include "game/PauseProtocol.h"
#include "game/SuperShortGame.h"
#include "spin/SpinCycle.h"

#include <algorithm>
#include <limits>

namespace quendra {
namespace {

// A pause or a message ended the super-short game: the user ends the pause and starts the
// super-short game again.
void resumeSuperShortGame(Game& game) {
    GameState& state = game.state();
    if (state.phase == TextKind::gkPause) {
        if (state.UserPause) {
            PauseClick(game);
        } else {
            LeavePause(game);
        }
    }
    SuperShortGameOn(game, 0);
}

} // namespace

void playSuperShortGame(Game& game, std::optional<std::int64_t> coups,
                        const std::function<bool()>& goOn) {
    GameState& state = game.state();
    state.EndAtLoadEnd = !coups;
    const std::int64_t before = state.SpielerStatPos;
    const auto played = [&] { return std::int64_t{state.SpielerStatPos} - before; };
    // Rounds in a row without a coup: a game that cannot go on ends the run.
    int idleRounds = 0;
    while (!coups || played() < *coups) {
        if (!state.superShortRunning()) {
            if ((!coups && !state.permanence.load.HaLaAktiv) || (goOn && !goOn())) {
                break;
            }
            resumeSuperShortGame(game);
        }
        const std::int64_t left = coups ? *coups - played() : std::numeric_limits<int>::max();
        const std::int64_t start = played();
        BeginSuperShortBatch(game);
        RunSuperShortTicks(
            game, static_cast<int>(std::min<std::int64_t>(left, std::numeric_limits<int>::max())));
        idleRounds = played() == start ? idleRounds + 1 : 0;
        if (idleRounds > 2) {
            break;
        }
    }
    if (state.superShortRunning()) {
        SuperShortGameOff(game);
    }
}

} // namespace quendra
