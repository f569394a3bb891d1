// What the benchmarks share: a host without windows and the super-short coup measured whole.
#pragma once

#include "game/Game.h"
#include "game/GameState.h"
#include "spin/SpinCycle.h"
#include "statistics/StatisticsStore.h"

namespace quendra::bench {

// No boxes, no waits, no drawing.
class SilentHost : public Host {
public:
    void showMessage(const MessageBoxData&) override {}
    bool askQuestion(const MessageBoxData&) override { return false; }
    void wait(int) override {}
    void changed(Change) override {}
    std::chrono::system_clock::time_point now() const override { return {}; }
};

// One coup of the super-short game. The statistics stop counting at 32000 coups; starting them
// again keeps every coup's full work in the measurement.
inline void playCountedCoup(Game& game) {
    SpieltimerTick(game);
    GameState& state = game.state();
    if (state.SpielerStatPos == 30000) {
        Stat_EndGame(state.statistics);
        state.SpielerStatPos = 0;
    }
}

} // namespace quendra::bench
