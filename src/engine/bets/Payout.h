// Counting the wins over into the capitals after the settlement, and each player's coup result.
#pragma once

#include "game/Game.h"

#include <cstdint>

namespace quendra {

inline constexpr int PayoutBatchSteps = 20;    // steps moved at once while enough remains
inline constexpr int PayoutFirstWaitMs = 2500; // before a player's count starts
inline constexpr int PayoutStepWaitMs = 80;    // after every move

// The counting of one win: batches of 20 steps while at least twice 20 steps remain, then
// single steps; the last step moves what is left when that is less than a step.
class PayoutCount {
public:
    PayoutCount(std::int32_t win, std::int32_t step);

    bool done() const { return remaining_ <= 0; }
    std::int32_t remaining() const { return remaining_; }
    // Moves the next part of the win and returns it; 0 once done.
    std::int32_t next();

private:
    std::int32_t remaining_;
    std::int32_t step_;
};

// 1 in the piece mode or for a system player, the unit (`PieceValue`) otherwise.
std::int32_t payoutStep(const GameState& state, int player);

// The payout display: the status bars show each `CoupWin`, which is counted over into the
// capital with Host::wait between the moves (at once in the super-short game, without a
// wait); menus and placements are held while it counts. Then RecordCoupResults and the info
// panel.
void PayOutWins(Game& game);

// Per player: `CoupNet` (coupNetResult), the last stake, and a coup won or lost when he staked.
void RecordCoupResults(Game& game);

// The status bars stop showing the wins (they go back to neutral).
void EndPayoutDisplay(Game& game);

// The per-player counters kept in `TSysSpieler`.
inline std::int32_t& lastStakeOf(Player& player) {
    return player.sys.Counters[1];
}
inline std::int32_t& coupsWonOf(Player& player) {
    return player.sys.Counters[3];
}
inline std::int32_t& coupsLostOf(Player& player) {
    return player.sys.Counters[4];
}

} // namespace quendra
