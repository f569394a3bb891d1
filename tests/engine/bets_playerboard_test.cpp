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
    board.markStaying(zero);
    EXPECT_EQ(walked(board), (std::vector<BetField>{zero, lastCheval, red}));

    board.clear();
    EXPECT_TRUE(walked(board).empty());
    EXPECT_FALSE(board.anyPlaced());
}

TEST(PlayerBoard, CountsTheStakesMarkedStayingUntilAWalkTakesTheirStaysAway) {
    PlayerBoard board;
    const BetField red{BetKind::EvenChance, Rouge};
    const BetField seven{BetKind::Plein, 7};
    board.at(red) = {.placed = true, .amount = 4};
    board.at(seven) = {.placed = true, .amount = 2};
    board.markStaying(red);
    board.markStaying(seven);
    EXPECT_EQ(board.stayingStakes(), 6);

    board.forEach([&](BetField field, FieldBet& bet) {
        if (field == red) {
            bet.stays = false;
        }
    });
    EXPECT_EQ(board.stayingStakes(), 2);
    board.forEachStaying([](BetField, FieldBet& bet) { bet.stays = false; });
    EXPECT_EQ(board.stayingStakes(), 0);
    EXPECT_EQ(board.stakeOnTable(), 6);
}

} // namespace
} // namespace quendra
