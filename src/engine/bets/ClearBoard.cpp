// Clearing, hiding and showing bets after a coup.
#include "bets/ClearBoard.h"

#include "bets/Placement.h"
#include "bets/Stake.h"

namespace quendra {
namespace {

void reduceBetSum(Player& player, std::int32_t amount) {
    player.BetSum = clampAmount(std::int64_t{player.BetSum} - amount);
}

void takeOff(FieldBet& bet) {
    bet.placed = false;
    bet.amount = 0;
}

// A staying stake is not touched by clearing, hiding or showing: it stays as money.
bool keepStayingStake(FieldBet& bet) {
    if (!bet.stays) {
        return false;
    }
    bet.stays = false;
    return true;
}

void clearFields(Player& player, bool giveBack) {
    player.board.forEach([&](BetField, FieldBet& bet) {
        bet.hiddenAmount = 0;
        if (keepStayingStake(bet) || !bet.placed) {
            return;
        }
        if (!giveBack || !moveToTable(player, -std::int64_t{bet.amount})) {
            reduceBetSum(player, bet.amount);
        }
        takeOff(bet);
    });
}

void hideFields(Player& player) {
    player.board.forEach([&](BetField, FieldBet& bet) {
        bet.hiddenAmount = 0;
        if (keepStayingStake(bet) || !bet.placed) {
            return;
        }
        bet.hiddenAmount = bet.amount;
        reduceBetSum(player, bet.amount);
        takeOff(bet);
    });
}

void showFields(Player& player) {
    player.board.forEach([&](BetField, FieldBet& bet) {
        if (keepStayingStake(bet) || bet.hiddenAmount <= 0) {
            return;
        }
        bet.amount = clampAmount(std::int64_t{bet.amount} + bet.hiddenAmount);
        bet.placed = true;
        player.BetSum = clampAmount(std::int64_t{player.BetSum} + bet.hiddenAmount);
        bet.hiddenAmount = 0;
    });
}

void doubleStayingStakes(Player& player) {
    player.board.forEachStaying([&](BetField, FieldBet& bet) {
        if (!bet.stays) {
            return;
        }
        bet.stays = false;
        if (bet.placed) {
            player.Capital = clampAmount(std::int64_t{player.Capital} + bet.amount);
            player.BetSum = clampAmount(std::int64_t{player.BetSum} + bet.amount);
            bet.amount = clampAmount(std::int64_t{bet.amount} * 2);
        }
    });
}

} // namespace

bool replayKeeps(const GameState& state, int player) {
    return state.ReplayOn && (!state.settings.ReplayStop || !state.player(player).ReplayRefused);
}

void ClearBoard(Game& game, int number, ClearMode mode) {
    GameState& state = game.state();
    if (number < 1 || number > PlayerSlots) {
        return;
    }
    Player& player = state.player(number);
    const bool system = player.isSystemPlayer();
    if (system) {
        mode = ClearMode::Clear;
    }
    const bool settled = state.bets.CoupSettled[number - 1];
    state.bets.CoupSettled[number - 1] = false;

    if (mode == ClearMode::Hide) {
        player.LastBetSum = player.BetSum;
    }
    player.BetsHidden = false;
    if (settled && replayKeeps(state, number)) {
        doubleStayingStakes(player);
    } else if (mode == ClearMode::Clear) {
        clearFields(player, !settled);
    } else if (mode == ClearMode::Hide) {
        hideFields(player);
        player.BetsHidden = player.LastBetSum != 0 && !system;
    } else {
        showFields(player);
    }
    game.host().changed(Change::Chips | Change::Bars);
    UpdateButtonState(game);
}

void Rebet(Game& game) {
    GameState& state = game.state();
    Player* player = state.currentPlayer();
    if (!player || state.phase == TextKind::gkPause || !player->BetsHidden ||
        !state.settings.WinPiecesToProfit || player->isSystemPlayer()) {
        return;
    }
    state.bets.WinIndicator = WinIndicatorRest;
    game.host().changed(Change::WinIndicator);
    const std::int32_t before = player->BetSum;
    ClearBoard(game, state.CurrentPlayer, ClearMode::Show);
    const std::int64_t restored = std::int64_t{player->BetSum} - before;
    player->Capital = clampAmount(player->Capital - restored);
    player->BetsHidden = false;
    game.host().changed(Change::Bars);
    UpdateButtonState(game);
}

void ApplyReplayStop(Game& game) {
    GameState& state = game.state();
    if (!state.settings.ReplayStop || !state.ReplayOn) {
        return;
    }
    for (int number = 1; number <= state.playersInPlay(); ++number) {
        Player& player = state.player(number);
        player.ReplayRefused = player.Capital < player.BetSum;
        if (player.ReplayRefused) {
            game.showWarning(18, number);
        }
    }
}

void BuyReplayBets(Game& game) {
    GameState& state = game.state();
    if (!state.ReplayOn) {
        return;
    }
    for (int number = 1; number <= state.playersInPlay(); ++number) {
        Player& player = state.player(number);
        if (replayKeeps(state, number) && player.BetSum > 0) {
            player.Capital = clampAmount(std::int64_t{player.Capital} - player.BetSum);
        }
    }
    game.host().changed(Change::Bars);
}

void TakeOffReplayBets(Game& game) {
    GameState& state = game.state();
    for (int number = 1; number <= state.playersInPlay(); ++number) {
        // As the coup's own clearing would have taken them without Replay: lost, no refund.
        state.bets.CoupSettled[number - 1] = true;
        ClearBoard(game, number,
                   state.player(number).isSystemPlayer() ? ClearMode::Clear : ClearMode::Hide);
    }
}

} // namespace quendra
