// The short histories and the players' courses kept per coup.
#include "spin/CoupRecords.h"

#include "statistics/StatisticsStore.h"

#include <algorithm>
#include <limits>

namespace quendra {
namespace {

std::int32_t clampToInt32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void recordCourse(Player& player, std::int32_t position) {
    auto& history = player.history;
    if (history.capacity() < HistoryLimit) {
        // Once for the whole game: the coups that follow are recorded without allocating.
        history.reserve(HistoryLimit);
    }
    // Drops entries from before `SpielerStatPos` last restarted.
    const auto index = static_cast<std::size_t>(position - 1);
    history.resize(index);
    const std::int64_t before = index == 0 ? 0 : history.back().cumulative;
    history.push_back(
        {player.BetSum, player.CoupNet, clampToInt32(before + std::int64_t{player.CoupNet})});
}

} // namespace

void ShiftLastSixteen(GameState& state) {
    std::shift_left(state.LastSixteen.begin(), state.LastSixteen.end(), 1);
    state.LastSixteen.back() = 0;
}

void RecordWinningPocket(GameState& state) {
    const auto pocket = static_cast<std::uint8_t>(state.table.BallPocket);
    state.LastSixteen.back() = pocket;

    auto& recent = state.table.RecentPockets;
    std::shift_right(recent.begin(), recent.end(), 1);
    recent.front() = pocket;

    state.coupHistory.record(state.table.ballNumber());
}

void RecordPlayerCoups(GameState& state) {
    for (Player& player : state.players) {
        player.TotalStaked += player.BetSum;
        if (player.BetSum > 0) {
            ++player.CoupsWithStake;
        }
    }
    if (state.SpielerStatPos < std::numeric_limits<std::int32_t>::max()) {
        ++state.SpielerStatPos;
    }
    if (state.SpielerStatPos > HistoryLimit) {
        return;
    }
    for (Player& player : state.players) {
        recordCourse(player, state.SpielerStatPos);
    }
}

std::span<const PlayerCoup> playerCourse(const GameState& state, int player) {
    const auto& history = state.player(player).history;
    const auto coups = static_cast<std::size_t>(std::clamp(state.SpielerStatPos, 0, HistoryLimit));
    return std::span<const PlayerCoup>(history).first(std::min(coups, history.size()));
}

void ClearPlayerStatistics(Player& player) {
    player.TotalStaked = 0;
    player.CoupsWithStake = 0;
    // Keeps the capacity: a new game records its coups without allocating again.
    player.history.clear();
}

} // namespace quendra
