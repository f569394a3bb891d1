// The chips on the board in paint order.
#include "bets/BoardChips.h"

#include "bets/ChipName.h"
#include "bets/Placement.h"

namespace quendra {
namespace {

void addStakes(const GameState& state, int player, std::vector<ChipView>& chips) {
    const TableType table = state.table.type();
    state.player(player).board.forEach([&](BetField field, const FieldBet& bet) {
        if (bet.placed && bet.amount > 0) {
            chips.push_back({chipName(field, player), player, bet.amount,
                             fieldAnchor(table, field, player), false});
        }
    });
}

void addPrisoners(const GameState& state, int player, std::vector<ChipView>& chips) {
    const PrisonState& prison = state.bets.prison;
    const std::int32_t unit = betUnit(state.settings);
    for (int k = 1; k <= EvenChanceCount; ++k) {
        for (PrisonKind kind : {PrisonKind::First, PrisonKind::Second}) {
            const auto& flags = kind == PrisonKind::First ? prison.Prison1 : prison.Prison2;
            if (flags[player - 1][k - 1]) {
                chips.push_back({prisonChipName(kind, k, player), player, unit,
                                 prisonAnchor(kind, k, player), true});
            }
        }
    }
}

} // namespace

std::vector<ChipView> boardChips(const GameState& state) {
    std::vector<ChipView> chips;
    for (int player = 1; player <= PlayerSlots; ++player) {
        if (player != state.CurrentPlayer) {
            addStakes(state, player, chips);
            addPrisoners(state, player, chips);
        }
    }
    if (state.CurrentPlayer >= 1 && state.CurrentPlayer <= PlayerSlots) {
        addStakes(state, state.CurrentPlayer, chips);
        addPrisoners(state, state.CurrentPlayer, chips);
    }
    return chips;
}

} // namespace quendra
