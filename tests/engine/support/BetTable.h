// A game at the table for the betting tests: the standard wheel loaded, bets accepted, the
// players with a known capital, and helpers that stake and spin.
#pragma once

#include "game/Game.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>
#include <string_view>

namespace quendra::testing {

// Loads the standard wheel of the table into the state; the ball in pocket 1.
void loadStandardTable(GameState& state, TableType table);

class BetTable : public ::testing::Test {
protected:
    BetTable();

    GameState& state() { return game.state(); }
    Player& player(int number) { return state().player(number); }
    FieldBet& bet(int number, std::string_view code);

    void useTable(TableType table) { loadStandardTable(state(), table); }
    // Charges and places the amount for the player, as system play or the extended bets do.
    void stake(int number, std::string_view code, std::int32_t amount);
    // The ball falls on the number and the coup is settled.
    void spin(int number);

    RecordingHost host;
    Game game{host, 1};
};

} // namespace quendra::testing
