// The ball run, animated through the host or computed at once.
#include "spin/BallRun.h"

#include <algorithm>

namespace quendra {
namespace {

constexpr int FirstWaitMs = 2;
constexpr int SlowingSteps = 70;
// A run never draws more pockets than this; only a damaged number source asks for more.
constexpr int LongestDrawnRun = 8 * 38;

} // namespace

int ballRunWait(int step, int steps) {
    return FirstWaitMs + std::max(0, step - (steps - SlowingSteps));
}

int pocketAfter(int fromPocket, std::int64_t moves, int pocketCount) {
    if (pocketCount < 1) {
        return fromPocket;
    }
    const std::int64_t index = (std::int64_t{fromPocket} - 1 + moves) % pocketCount;
    return static_cast<int>(index < 0 ? index + pocketCount : index) + 1;
}

void RunBall(Game& game) {
    GameState& state = game.state();
    Table& table = state.table;
    const std::int64_t moves = std::max<std::int64_t>(0, std::int64_t{state.BallSteps} - 1);
    if (state.superShortRunning()) {
        table.BallPocket = pocketAfter(table.BallPocket, moves, table.PocketCount);
        return;
    }
    // A longer run is cut to its last pockets: the winning pocket stays the same.
    const int steps = static_cast<int>(std::min<std::int64_t>(moves, LongestDrawnRun));
    const int skipped = static_cast<int>(moves - steps);
    table.BallPocket = pocketAfter(table.BallPocket, skipped, table.PocketCount);
    for (int step = 1; step <= steps; ++step) {
        game.host().wait(ballRunWait(step, steps));
        table.BallPocket = pocketAfter(table.BallPocket, 1, table.PocketCount);
        game.host().changed(Change::Ball);
    }
}

} // namespace quendra
