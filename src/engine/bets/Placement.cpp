// Placing and removing stakes for the selected player.
#include "bets/Placement.h"

#include "bets/ChipName.h"
#include "bets/Stake.h"

#include <algorithm>

namespace quendra {
namespace {

// The field a chip name names, when the table has it.
std::optional<BetField> fieldOnTable(const GameState& state, std::string_view name) {
    const auto id = parseChipName(name);
    if (!id || !fieldPresent(state.table.type(), id->field)) {
        return std::nullopt;
    }
    return id->field;
}

// An added amount the field cannot take goes back, so the capital is unchanged.
void giveBack(Game& game, std::int32_t added) {
    if (Player* player = game.state().currentPlayer()) {
        moveToTable(*player, -std::int64_t{added});
        game.host().changed(Change::Bars);
    }
}

// True (refused) when the chip limit is on and the new amount exceeds it: the added amount goes
// back to the capital and info 3 names the field and the limit.
bool chipLimitRefuses(Game& game, std::int32_t newAmount, std::int32_t added, BetField field) {
    const Settings& settings = game.state().settings;
    if (!settings.ChipLimitOn || newAmount <= settings.ChipLimit) {
        return false;
    }
    giveBack(game, added);
    game.showInfo(3, fieldCode(field) + " " + std::to_string(settings.ChipLimit));
    return true;
}

// The placement itself on a field the table has: the field's amount afterwards, none when
// refused.
std::optional<std::int32_t> placeOnField(Game& game, std::int32_t amount, BetField field) {
    GameState& state = game.state();
    FieldBet& bet = state.currentPlayer()->board.at(field);
    const std::int64_t newAmount = std::int64_t{bet.placed ? bet.amount : 0} + amount;
    if (amount < 1) {
        bet.amount = newAmount > 0 ? static_cast<std::int32_t>(newAmount) : 0;
        bet.placed = bet.amount > 0;
    } else {
        if (!fitsAmount(newAmount)) {
            giveBack(game, amount);
            state.bets.PlacementRefused = true;
            return std::nullopt;
        }
        if (chipLimitRefuses(game, static_cast<std::int32_t>(newAmount), amount, field)) {
            state.bets.PlacementRefused = true;
            return std::nullopt;
        }
        bet.amount = static_cast<std::int32_t>(newAmount);
        bet.placed = true;
    }
    game.host().changed(Change::Chips);
    return bet.amount;
}

} // namespace

std::int32_t betUnit(const Settings& settings) {
    return settings.ShowReal ? std::max<std::int32_t>(settings.PieceValue, 1) : 1;
}

bool ChargeStake(Game& game, std::int32_t amount) {
    GameState& state = game.state();
    state.bets.LastRequestedStake = amount;
    Player* player = state.currentPlayer();
    if (!player) {
        return false;
    }
    const bool beyondCapital = std::int64_t{player->Capital} - amount < 0;
    if (beyondCapital && amount >= 0 && !player->isSystemPlayer()) {
        return false;
    }
    if (!moveToTable(*player, amount)) {
        return false;
    }
    game.host().changed(Change::Bars);
    return true;
}

PlaceResult PlaceBet(Game& game, std::int32_t amount, std::string_view name) {
    GameState& state = game.state();
    const auto field = fieldOnTable(state, name);
    if (!state.currentPlayer() || !field) {
        return {};
    }
    const std::optional<std::int32_t> amountNow = placeOnField(game, amount, *field);
    if (!amountNow) {
        return {};
    }
    const TableType table = state.table.type();
    return {false,
            {chipName(*field, state.CurrentPlayer), *amountNow,
             fieldAnchor(table, *field, state.CurrentPlayer)}};
}

PlacementOutcome AddUnit(Game& game, std::string_view name) {
    GameState& state = game.state();
    if (state.bets.PlacementBlocked || !state.currentPlayer() || !fieldOnTable(state, name)) {
        return PlacementOutcome::Ignored;
    }
    state.bets.PlacementRefused = false;
    const std::int32_t unit = betUnit(state.settings);
    if (!ChargeStake(game, unit)) {
        state.bets.PlacementRefused = true;
        game.showWarning(10, unit);
        return PlacementOutcome::Refused;
    }
    if (PlaceBet(game, unit, name).refused) {
        return PlacementOutcome::Refused;
    }
    UpdateButtonState(game);
    return PlacementOutcome::Placed;
}

PlacementOutcome RemoveUnit(Game& game, std::string_view name) {
    GameState& state = game.state();
    Player* player = state.currentPlayer();
    const auto field = fieldOnTable(state, name);
    if (state.bets.PlacementBlocked || !player || !field) {
        return PlacementOutcome::Ignored;
    }
    const FieldBet& bet = player->board.at(*field);
    const std::int32_t before = bet.placed ? bet.amount : 0;
    const PlaceResult result = PlaceBet(game, -betUnit(state.settings), name);
    // What came off the field goes back: a whole unit, less when less lay there.
    const std::int32_t removed = before - result.chip.amount;
    if (removed > 0) {
        ChargeStake(game, -removed);
    }
    UpdateButtonState(game);
    return removed > 0 ? PlacementOutcome::Placed : PlacementOutcome::Ignored;
}

bool betListValid(const GameState& state) {
    const TableType table = state.table.type();
    return std::ranges::all_of(state.bets.betList.entries, [&](const BetListEntry& entry) {
        return entry.amount >= 1 && FieldAtPoint(table, {entry.x, entry.y}).has_value();
    });
}

void PlaceBetList(Game& game) {
    GameState& state = game.state();
    if (!state.currentPlayer()) {
        return;
    }
    // A message box (info 3 of the chip limit) shown while placing may let other handlers touch
    // the list: with the chip limit on, a copy is placed. Without it nothing can interrupt.
    std::vector<BetListEntry> copy;
    if (state.settings.ChipLimitOn) {
        copy = state.bets.betList.entries;
    }
    const std::vector<BetListEntry>& entries =
        state.settings.ChipLimitOn ? copy : state.bets.betList.entries;
    for (const BetListEntry& entry : entries) {
        if (entry.amount < 1) {
            continue;
        }
        const auto field = FieldAtPoint(state.table.type(), {entry.x, entry.y});
        if (!field || !fieldPresent(state.table.type(), *field)) {
            giveBack(game, entry.amount);
            continue;
        }
        placeOnField(game, entry.amount, *field);
    }
    UpdateButtonState(game);
}

bool ChargeAndPlaceBetList(Game& game) {
    GameState& state = game.state();
    const BetList& list = state.bets.betList;
    if (!state.currentPlayer() || !betListValid(state)) {
        return false;
    }
    if (list.entries.empty()) {
        return true;
    }
    if (list.BetListTotal < 1 || !ChargeStake(game, list.BetListTotal)) {
        return false;
    }
    PlaceBetList(game);
    return true;
}

void ClearChips(Game& game) {
    GameState& state = game.state();
    Player* player = state.currentPlayer();
    if (!player || player->BetSum == 0 || state.bets.PlacementBlocked ||
        state.bets.CoupSettled[state.CurrentPlayer - 1]) {
        return;
    }
    ReturnStakes(game, state.CurrentPlayer);
}

void ReturnStakes(Game& game, int number) {
    Player& player = game.state().player(number);
    player.board.forEach([&player](BetField, FieldBet& bet) {
        if (bet.placed) {
            moveToTable(player, -std::int64_t{bet.amount});
            bet.placed = false;
            bet.amount = 0;
            bet.stays = false;
        }
    });
    // `BetSum` is the sum of the placed amounts, now all given back.
    player.BetSum = 0;
    game.host().changed(Change::Bars | Change::Chips);
    UpdateButtonState(game);
}

void UpdateButtonState(Game& game) {
    game.host().changed(Change::Commands);
}

} // namespace quendra
