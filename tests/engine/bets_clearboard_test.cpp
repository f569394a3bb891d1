// After the coup: hiding the bets for Rebet, clearing them, the stakes that stay on the table,
// and Replay keeping and buying the bets again.
#include "bets/BoardChips.h"
#include "bets/BoardMouse.h"
#include "bets/ClearBoard.h"
#include "bets/Payout.h"
#include "bets/Settlement.h"
#include "support/BetTable.h"

namespace quendra {
namespace {

using testing::BetTable;

class AfterCoup : public BetTable {
protected:
    // The spin cycle's order from the settlement to the next bets, for the players 1-4.
    void playCoup(int number) {
        spin(number);
        PayOutWins(game);
        ApplyReplayStop(game);
        for (int p = 1; p <= 4; ++p) {
            ClearBoard(game, p, player(p).isSystemPlayer() ? ClearMode::Clear : ClearMode::Hide);
        }
        BuyReplayBets(game);
        ReturnReleasedPrisoners(game);
    }
    // The capital and the stakes on the table together.
    std::int64_t worth(int number) { return player(number).Capital + player(number).BetSum; }
};

TEST_F(AfterCoup, SettledBetsAreHiddenAndRebetBuysThemAgain) {
    stake(1, "PL17", 3);
    stake(1, "EC03", 2);
    playCoup(18); // red: 4 back
    EXPECT_EQ(player(1).Capital, 99);
    EXPECT_EQ(player(1).LastBetSum, 5);
    EXPECT_EQ(player(1).BetSum, 0);
    EXPECT_TRUE(player(1).BetsHidden);
    EXPECT_TRUE(boardChips(state()).empty());

    state().phase = TextKind::gkPause;
    Rebet(game);
    EXPECT_TRUE(player(1).BetsHidden);
    state().phase = TextKind::gkMakeBet;
    Rebet(game);
    EXPECT_FALSE(player(1).BetsHidden);
    EXPECT_EQ(bet(1, "PL17").amount, 3);
    EXPECT_EQ(bet(1, "EC03").amount, 2);
    EXPECT_EQ(player(1).BetSum, 5);
    EXPECT_EQ(player(1).Capital, 94);
    EXPECT_EQ(boardChips(state()).size(), 2u);
}

TEST_F(AfterCoup, RebetIsOffWithoutWinPiecesToProfit) {
    stake(1, "EC03", 2);
    playCoup(17);
    state().settings.WinPiecesToProfit = false;
    Rebet(game);
    EXPECT_TRUE(player(1).BetsHidden);
    EXPECT_EQ(player(1).BetSum, 0);
    EXPECT_EQ(player(1).Capital, 98);
}

TEST_F(AfterCoup, NewBetsTakeTheHiddenOnesOffWithoutReturn) {
    stake(1, "EC03", 2);
    playCoup(17);
    EXPECT_EQ(BoardPress(game, {70, 94}, MouseButton::Left), PlacementOutcome::Placed);
    EXPECT_FALSE(player(1).BetsHidden);
    EXPECT_EQ(bet(1, "EC03").hiddenAmount, 0);
    EXPECT_EQ(player(1).BetSum, 1);
    EXPECT_EQ(player(1).Capital, 97);
}

// Without WinPiecesToProfit a winning stake stays on the table after the coup. It is the
// player's money: taken off with the next bets, it goes back to his capital.
TEST_F(AfterCoup, AStakeThatStaysIsShownAndGoesBackWhenTakenOff) {
    state().settings.WinPiecesToProfit = false;
    stake(1, "PL17", 5);
    stake(1, "EC03", 5);
    playCoup(17);
    EXPECT_EQ(player(1).CoupNet, 170);
    EXPECT_EQ(player(1).Capital, 265);
    EXPECT_EQ(player(1).BetSum, 5);
    EXPECT_TRUE(player(1).BetsHidden);
    const auto chips = boardChips(state());
    ASSERT_EQ(chips.size(), 1u);
    EXPECT_EQ(chips[0].name, "SH_PL171");
    EXPECT_EQ(worth(1), 270);

    EXPECT_EQ(BoardPress(game, {141, 296}, MouseButton::Left), PlacementOutcome::Placed);
    EXPECT_EQ(bet(1, "PL17").amount, 1);
    EXPECT_EQ(player(1).BetSum, 1);
    EXPECT_EQ(player(1).Capital, 269);
}

TEST_F(AfterCoup, ReplayKeepsTheBetsAndDoublesAStakeThatStays) {
    state().settings.WinPiecesToProfit = false;
    state().ReplayOn = true;
    stake(1, "PL17", 5);
    stake(1, "EC03", 5);
    playCoup(17);
    EXPECT_FALSE(player(1).BetsHidden);
    EXPECT_EQ(bet(1, "PL17").amount, 10);
    EXPECT_FALSE(bet(1, "PL17").stays);
    EXPECT_EQ(bet(1, "EC03").amount, 5);
    EXPECT_EQ(player(1).BetSum, 15);
    EXPECT_EQ(player(1).Capital, 255);
    EXPECT_EQ(worth(1), 270); // +175 on the plein, -5 on red
}

TEST_F(AfterCoup, ReplayBuysTheSameBetsAgain) {
    state().ReplayOn = true;
    stake(1, "PL17", 5);
    stake(1, "EC03", 5);
    playCoup(17);
    EXPECT_EQ(player(1).BetSum, 10);
    EXPECT_EQ(player(1).Capital, 260);
    EXPECT_EQ(worth(1), 270);
}

TEST_F(AfterCoup, ReplayStopsForAPlayerWhoseCapitalDoesNotCoverHisBets) {
    state().ReplayOn = true;
    state().settings.ReplayStop = true;
    stake(1, "EC03", 60);
    stake(2, "EC03", 10);
    playCoup(17);
    EXPECT_TRUE(player(1).ReplayRefused);
    EXPECT_FALSE(player(2).ReplayRefused);
    EXPECT_EQ(host.numbersOf(MessageKind::Warning), std::vector<int>{18});
    EXPECT_NE(host.messages.back().text.find("Spieler 1 "), std::string::npos);
    EXPECT_TRUE(player(1).BetsHidden);
    EXPECT_EQ(player(1).Capital, 40);
    EXPECT_EQ(player(1).BetSum, 0);
    EXPECT_EQ(bet(2, "EC03").amount, 10);
    EXPECT_EQ(player(2).Capital, 80);
}

TEST_F(AfterCoup, SwitchingReplayOnClearsHiddenBetsInsteadOfPlayingThemFree) {
    stake(1, "EC03", 4);
    playCoup(17);
    state().ReplayOn = true;
    ClearBoard(game, 1, ClearMode::Clear);
    EXPECT_FALSE(player(1).BetsHidden);
    EXPECT_FALSE(player(1).board.anyPlaced());
    EXPECT_FALSE(player(1).board.anyHidden());
    EXPECT_EQ(player(1).BetSum, 0);
    EXPECT_EQ(player(1).Capital, 96);
}

TEST_F(AfterCoup, ASystemPlayersLosingStakesGoAndStayingStakesRemain) {
    state().settings.WinPiecesToProfit = false;
    player(2).sys.SystemActive = true;
    stake(2, "PL17", 5);
    stake(2, "EC03", 5);
    playCoup(17);
    EXPECT_FALSE(player(2).BetsHidden);
    EXPECT_TRUE(bet(2, "PL17").placed);
    EXPECT_FALSE(bet(2, "PL17").stays);
    EXPECT_FALSE(bet(2, "EC03").placed);
    EXPECT_FALSE(player(2).board.anyHidden());
    EXPECT_EQ(player(2).BetSum, 5);
    EXPECT_EQ(player(2).Capital, 265);

    ClearBoard(game, 2, ClearMode::Hide); // a system player's bets are never hidden
    EXPECT_FALSE(player(2).BetsHidden);
    EXPECT_FALSE(bet(2, "PL17").placed);
    EXPECT_EQ(player(2).Capital, 270); // not settled: the stake goes back
}

TEST_F(AfterCoup, ClearingTwiceOrAnEmptyBoardChangesNothing) {
    ClearBoard(game, 1, ClearMode::Clear);
    ClearBoard(game, 1, ClearMode::Hide);
    ClearBoard(game, 1, ClearMode::Show);
    ClearBoard(game, 0, ClearMode::Clear);
    ClearBoard(game, 5, ClearMode::Clear);
    EXPECT_EQ(player(1).Capital, 100);
    EXPECT_EQ(player(1).BetSum, 0);
    EXPECT_FALSE(player(1).BetsHidden);
}

} // namespace
} // namespace quendra
