// A player's board walks only the fields that hold something, in catalogue order.
#include "bets/PlayerBoard.h"

#include <gtest/gtest.h>
#include <vector>

namespace quendra {
namespace {

std::vector<BetField> walked(const PlayerBoard& board) {
    std::vector<BetField> fields;
    board.forEach([&](BetField field, const FieldBet&) { fields.push_back(field); });
    return fields;
}

TEST(PlayerBoard, WalksTheFieldsInUseInCatalogueOrderAndForgetsEmptiedOnes) {
    PlayerBoard board;
    const BetField red{BetKind::EvenChance, Rouge};
    const BetField zero{BetKind::Plein, 0};
    const BetField lastCheval{BetKind::Cheval, 63};
    for (BetField field : {red, lastCheval, zero}) {
        board.at(field) = {.placed = true, .amount = 5};
    }
    board.at(BetField{BetKind::Dozen, 2}).hiddenAmount = 3;
    EXPECT_EQ(walked(board), (std::vector<BetField>{zero, lastCheval, {BetKind::Dozen, 2}, red}));
    EXPECT_EQ(board.stakeOnTable(), 15);

    // A walk that empties a field drops it; writing to it again brings it back.
    board.forEach([&](BetField field, FieldBet& bet) {
        if (field == zero || field.kind == BetKind::Dozen) {
            bet = {};
        }
    });
    EXPECT_EQ(walked(board), (std::vector<BetField>{lastCheval, red}));
    board.at(zero).stays = true;
    EXPECT_EQ(walked(board), (std::vector<BetField>{zero, lastCheval, red}));

    board.clear();
    EXPECT_TRUE(walked(board).empty());
    EXPECT_FALSE(board.anyPlaced());
}

} // namespace
} // namespace quendra
