// The result of a simulation: the coups played, the statistics' coup count and each player's
// figures as the player statistics compute them.
#pragma once

#include "game/GameState.h"

#include <cstdint>
#include <iosfwd>
#include <vector>

namespace quendra::cli {

struct PlayerSummary {
    int player = 1;
    std::int32_t capital = 0;
    std::int32_t startCapital = 0;
    std::int64_t totalStaked = 0;
    std::int64_t coupsWithStake = 0;
    std::int32_t coupsWon = 0;
    std::int32_t coupsLost = 0;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    std::int32_t average = 0;
    bool systemActive = false;
};

struct SimulationSummary {
    std::int64_t coups = 0;
    int statTotal = 0;
    std::vector<PlayerSummary> players; // the players taking part
};

SimulationSummary summarize(const GameState& state);

// As text, a line per figure and per player, or as one JSON object on one line.
void printSummary(std::ostream& out, const SimulationSummary& summary, bool json);

} // namespace quendra::cli
