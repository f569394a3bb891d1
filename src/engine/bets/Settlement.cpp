// Settling a coup against the winning pocket.
#include "bets/Settlement.h"

#include "bets/Amount.h"
#include "bets/Placement.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quendra {
namespace {

using Wins = std::array<std::int64_t, PlayerSlots>;

TipRule tipRuleOf(const Settings& settings) {
    return static_cast<TipRule>(std::clamp(static_cast<int>(settings.TipRule), 0, 2));
}

bool chanceWins(const GameState& state, int chance, int number) {
    return fieldCovers(state.table.type(), BetField{BetKind::EvenChance, chance}, number);
}

// A zero moves the prisoners on: the second prison's are lost, the first prison's go to the
// second.
void zeroMovesPrisoners(PrisonState& prison) {
    if (prison.Prison2Active) {
        prison.Prison2 = {};
        prison.Prison2Active = false;
    }
    if (prison.Prison1Active) {
        prison.Prison2 = prison.Prison1;
        prison.Prison1 = {};
        prison.Prison1Active = false;
        prison.Prison2Active = true;
    }
}

// Half of every even-chance stake comes back in whole units; an odd unit goes into the first
// prison. What does not make a whole unit is lost.
void applyZeroRule(GameState& state, Wins& wins) {
    const std::int32_t unit = betUnit(state.settings);
    PrisonState& prison = state.bets.prison;
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        for (int k = 1; k <= EvenChanceCount; ++k) {
            const FieldBet& bet = std::as_const(state.player(p).board).at({BetKind::EvenChance, k});
            if (!bet.placed || bet.amount < 1) {
                continue;
            }
            const std::int32_t units = bet.amount / unit;
            wins[p - 1] += std::int64_t{unit} * (units / 2);
            if (units % 2 == 1) {
                prison.Prison1[p - 1][k - 1] = true;
                prison.Prison1Active = true;
            }
        }
    }
}

// A winning chance frees its first-prison units (paid at once in Replay, otherwise put back
// before the next bets) and moves its second-prison units to the first prison; every other
// prisoner of the first prison is lost.
void releasePrisoners(GameState& state, int number, Wins& wins) {
    PrisonState& prison = state.bets.prison;
    const std::int32_t unit = betUnit(state.settings);
    if (prison.Prison1Active) {
        for (int p = 1; p <= state.playersInPlay(); ++p) {
            for (int k = 1; k <= EvenChanceCount; ++k) {
                if (!prison.Prison1[p - 1][k - 1] || !chanceWins(state, k, number)) {
                    continue;
                }
                if (state.ReplayOn) {
                    wins[p - 1] += unit;
                } else {
                    prison.PrisonReleased[p - 1][k - 1] = true;
                }
            }
        }
    }
    prison.Prison1 = {};
    prison.Prison1Active = false;
    if (!prison.Prison2Active) {
        return;
    }
    for (int p = 1; p <= PlayerSlots; ++p) {
        for (int k = 1; k <= EvenChanceCount; ++k) {
            if (prison.Prison2[p - 1][k - 1] && chanceWins(state, k, number)) {
                prison.Prison1[p - 1][k - 1] = true;
                prison.Prison1Active = true;
            }
        }
    }
    prison.Prison2 = {};
    prison.Prison2Active = false;
}

// The flags are plain bools without padding, compared as one block.
bool anyReleased(const PrisonState& prison) {
    static_assert(sizeof(PrisonState::Flags) == PlayerSlots * EvenChanceCount);
    static constexpr PrisonState::Flags none{};
    return std::memcmp(prison.PrisonReleased.data(), none.data(), sizeof none) != 0;
}

// Only the fields covering the number can win: of those, the ones in use are looked at.
void payWinningFields(GameState& state, Player& player, int number, std::int64_t& win) {
    const TableType table = state.table.type();
    const TipRule tip = tipRuleOf(state.settings);
    const bool withStake = state.settings.WinPiecesToProfit;
    player.board.forEachOf(fieldBitsCovering(table, number), [&](BetField field, FieldBet& bet) {
        if (!bet.placed || bet.amount < 1) {
            return;
        }
        win += std::int64_t{bet.amount} * payoutFactor(table, field, tip, withStake);
        if (withStake) {
            bet.stays = false;
        } else {
            player.board.markStaying(field);
        }
    });
}

} // namespace

void SettleCoup(Game& game) {
    GameState& state = game.state();
    for (Player& player : state.players) {
        player.CoupWin = 0;
    }
    const Table& table = state.table;
    if (table.BallPocket < 1 || table.BallPocket > static_cast<int>(table.PocketTable.size())) {
        return; // no wheel loaded: no coup to settle
    }
    const int number = table.ballNumber();
    Wins wins{};
    if (number == 0 || number == DoubleZero) {
        zeroMovesPrisoners(state.bets.prison);
        if (state.settings.ZeroHandling) {
            applyZeroRule(state, wins);
        }
    } else {
        releasePrisoners(state, number, wins);
    }
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        Player& player = state.player(p);
        payWinningFields(state, player, number, wins[p - 1]);
        player.CoupWin = clampAmount(wins[p - 1]);
        state.bets.CoupSettled[p - 1] = true;
    }
    game.host().changed(Change::Bars | Change::Commands); // the prisoners hold the options
}

void ReturnReleasedPrisoners(Game& game) {
    GameState& state = game.state();
    if (!anyReleased(state.bets.prison)) {
        return; // the common case, spared a look at every player's chances
    }
    const std::int32_t unit = betUnit(state.settings);
    bool any = false;
    for (int p = 1; p <= PlayerSlots; ++p) {
        Player& player = state.player(p);
        for (int k = 1; k <= EvenChanceCount; ++k) {
            bool& released = state.bets.prison.PrisonReleased[p - 1][k - 1];
            if (!released) {
                continue;
            }
            released = false;
            any = true;
            FieldBet& bet = player.board.at({BetKind::EvenChance, k});
            bet.amount = clampAmount(std::int64_t{bet.placed ? bet.amount : 0} + unit);
            bet.placed = true;
            player.BetSum = clampAmount(std::int64_t{player.BetSum} + unit);
        }
    }
    if (any) {
        game.host().changed(Change::Chips | Change::Bars);
        UpdateButtonState(game);
    }
}

std::int32_t coupNetResult(const Player& player) {
    // Only a field that won stays (the boards are cleared after every coup), so without a stake
    // or without a win nothing can stay; this spares those players a scan of their board in
    // every coup of the super-short game.
    const bool mayStay = player.BetSum != 0 && player.CoupWin != 0;
    const std::int64_t staying = mayStay ? player.board.stayingStakes() : 0;
    const std::int64_t taken = std::int64_t{player.BetSum} - staying;
    return clampAmount(std::int64_t{player.CoupWin} - taken);
}

} // namespace quendra
