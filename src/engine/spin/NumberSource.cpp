// The number source of a coup and its label.
#include "spin/NumberSource.h"

#include "game/GameHooks.h"

#include <algorithm>

namespace quendra {
namespace {

// Written only when it changes: the same source coup after coup copies nothing. One function per
// label, each called once, so that the compiler compares with the constant in place.
template <const std::string_view& Source>
void setNumberSource(GameState& state) {
    if (state.NumberSource != Source) {
        state.NumberSource = Source;
    }
}

} // namespace

void DrawBallSteps(Game& game) {
    GameState& state = game.state();
    if (game.hooks().mainLoadFileActive(game)) {
        // The reader gives 1 to `PocketCount`; anything else would run the ball backwards or
        // for ever.
        state.BallSteps = std::clamp<std::int32_t>(game.hooks().readLoadFileCoup(game), 1,
                                                   state.table.PocketCount);
    } else if (state.ManualSteps >= NoneMarker) {
        setNumberSource<ComputerSource>(state);
        state.BallSteps =
            static_cast<std::int32_t>(game.random().between(1, state.table.HighestNumber));
    } else {
        setNumberSource<ManualSource>(state);
        state.BallSteps = state.ManualSteps;
    }
}

void AddExtraTurns(Game& game) {
    GameState& state = game.state();
    if (state.settings.ShortCup) {
        state.BallSteps += 1;
        return;
    }
    const auto drawn = static_cast<std::int32_t>(game.random().between(0, 3));
    const std::int32_t turns = drawn < 2 ? 2 : drawn;
    state.BallSteps += turns * (state.table.HighestNumber + 1) + 1;
}

void UpdateSourceChange(GameState& state) {
    if (state.NumberSource == state.LastSourceLabel) {
        state.SourceChange.clear();
    } else {
        state.SourceChange = state.NumberSource;
        state.LastSourceLabel = state.NumberSource;
    }
}

} // namespace quendra
