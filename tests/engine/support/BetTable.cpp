// The betting test fixture.
#include "support/BetTable.h"

#include "bets/ChipName.h"
#include "bets/Placement.h"
#include "bets/Settlement.h"

namespace quendra::testing {

void loadStandardTable(GameState& state, TableType table) {
    state.table.FrenchTable = table == TableType::French;
    state.table.HighestNumber = highestNumber(table);
    state.table.PocketCount = pocketCount(table);
    state.table.PocketTable = standardPocketTable(table);
    state.table.BallPocket = 1;
}

BetTable::BetTable() {
    loadStandardTable(state(), TableType::French);
    state().phase = TextKind::gkMakeBet;
    state().settings.PlayerCount = 4;
    for (Player& p : state().players) {
        p.Capital = 100;
        p.StartCapital = 100;
    }
}

FieldBet& BetTable::bet(int number, std::string_view code) {
    return player(number).board.at(parseFieldCode(code).value());
}

void BetTable::stake(int number, std::string_view code, std::int32_t amount) {
    const int selected = state().CurrentPlayer;
    state().CurrentPlayer = number;
    ASSERT_TRUE(ChargeStake(game, amount));
    ASSERT_FALSE(PlaceBet(game, amount, chipName(parseFieldCode(code).value(), number)).refused);
    state().CurrentPlayer = selected;
}

void BetTable::spin(int number) {
    state().table.BallPocket = state().table.pocketOf(number);
    SettleCoup(game);
}

} // namespace quendra::testing
