// The payout count and the coup results.
#include "bets/Payout.h"

#include "bets/Amount.h"
#include "bets/Placement.h"
#include "bets/Settlement.h"

#include <algorithm>

namespace quendra {
namespace {

void countOver(Game& game, int number) {
    GameState& state = game.state();
    Player& player = state.player(number);
    std::int32_t& shown = state.bets.payout.remaining[number - 1];
    if (state.superShortRunning()) {
        player.Capital = clampAmount(std::int64_t{player.Capital} + shown);
        shown = 0;
        game.host().changed(Change::Bars);
        return;
    }
    game.host().wait(PayoutFirstWaitMs);
    PayoutCount count(shown, payoutStep(state, number));
    while (!count.done()) {
        const std::int32_t moved = count.next();
        player.Capital = clampAmount(std::int64_t{player.Capital} + moved);
        shown = count.remaining();
        game.host().changed(Change::Bars);
        game.host().wait(PayoutStepWaitMs);
    }
}

} // namespace

PayoutCount::PayoutCount(std::int32_t win, std::int32_t step)
    : remaining_(std::max(win, 0)), step_(std::max(step, 1)) {}

std::int32_t PayoutCount::next() {
    const std::int64_t batch = std::int64_t{PayoutBatchSteps} * step_;
    const std::int64_t move = remaining_ >= 2 * batch ? batch : std::min(remaining_, step_);
    remaining_ -= static_cast<std::int32_t>(move);
    return static_cast<std::int32_t>(move);
}

std::int32_t payoutStep(const GameState& state, int player) {
    if (!state.settings.ShowReal || state.player(player).isSystemPlayer()) {
        return 1;
    }
    return betUnit(state.settings);
}

void PayOutWins(Game& game) {
    GameState& state = game.state();
    PayoutDisplay& display = state.bets.payout;
    display.remaining = {};
    bool anyWin = false;
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        display.remaining[p - 1] = std::max(state.player(p).CoupWin, 0);
        anyWin = anyWin || display.remaining[p - 1] > 0;
    }
    display.shown = true;
    game.host().changed(Change::Bars);

    const bool hold = anyWin && !state.superShortRunning();
    const bool wasBlocked = state.bets.PlacementBlocked;
    if (hold) {
        display.counting = true;
        state.bets.PlacementBlocked = true;
        game.host().changed(Change::Commands);
    }
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        if (state.player(p).CoupWin > 0) {
            countOver(game, p);
        }
    }
    if (hold) {
        display.counting = false;
        state.bets.PlacementBlocked = wasBlocked;
        game.host().changed(Change::Commands);
    }
    RecordCoupResults(game);
    game.host().changed(Change::InfoPanel);
}

void RecordCoupResults(Game& game) {
    for (Player& player : game.state().players) {
        player.CoupNet = coupNetResult(player);
        lastStakeOf(player) = player.BetSum;
        if (player.BetSum > 0) {
            ++(player.CoupNet < 1 ? coupsLostOf(player) : coupsWonOf(player));
        }
    }
}

void EndPayoutDisplay(Game& game) {
    game.state().bets.payout.shown = false;
    game.state().bets.payout.remaining = {};
    game.host().changed(Change::Bars);
}

} // namespace quendra
