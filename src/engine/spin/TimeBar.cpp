// The time bar's ticks and colour.
#include "spin/TimeBar.h"

#include <limits>

namespace quendra {

BarColour timeBarColour(std::int32_t tick, std::int32_t limit) {
    if (limit < 1) {
        return BarColour::White;
    }
    const std::int64_t percent = std::int64_t{100} * tick / limit;
    if (percent >= 82) {
        return BarColour::Red;
    }
    if (percent >= 66) {
        return BarColour::Yellow;
    }
    if (percent >= 50) {
        return BarColour::Teal;
    }
    return BarColour::White;
}

void AdvanceTimeBar(GameState& state) {
    if (state.TimeBarTick < std::numeric_limits<std::int32_t>::max()) {
        ++state.TimeBarTick;
    }
    if (!state.superShortRunning()) {
        state.TimeBarColour = timeBarColour(state.TimeBarTick, state.TimeBarLimit);
    }
}

} // namespace quendra
