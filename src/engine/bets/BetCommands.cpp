// The enabled bet commands, derived from the game state.
#include "bets/BetCommands.h"

#include <algorithm>

namespace quendra {

BetCommandState betCommandState(const GameState& state) {
    BetCommandState commands;
    const bool stakes =
        std::ranges::any_of(state.players, [](const Player& player) { return player.BetSum != 0; });
    const bool held = stakes || state.TournamentActive;
    commands.options = !held && !state.bets.prison.any();
    commands.clearChips = held && !state.superShortRunning() && !state.bets.payout.counting;

    const Player* current = state.CurrentPlayer >= 1 && state.CurrentPlayer <= PlayerSlots
                                ? &state.player(state.CurrentPlayer)
                                : nullptr;
    commands.lastBet = current && current->BetsHidden && state.settings.WinPiecesToProfit;
    commands.lastBetHint = !state.settings.WinPiecesToProfit;

    for (int tag = 1; tag <= ExtendedBetCount; ++tag) {
        commands.extendedBets[tag - 1] =
            extendedBetButtonEnabled(state, static_cast<ExtendedBet>(tag));
    }
    return commands;
}

} // namespace quendra
