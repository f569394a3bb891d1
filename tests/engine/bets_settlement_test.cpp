// Settling a coup: the payout of every kind, the zero rule and the prisons, the payout count and
// the coup results.
#include "bets/BoardChips.h"
#include "bets/ClearBoard.h"
#include "bets/Payout.h"
#include "bets/Settlement.h"
#include "support/BetTable.h"

#include <algorithm>

namespace quendra {
namespace {

using testing::BetTable;
using Settlement = BetTable;

constexpr auto French = TableType::French;
constexpr auto American = TableType::American;

TEST_F(Settlement, EveryKindPaysItsFactorOnBothTablesWithOrWithoutTheStake) {
    struct Case {
        TableType table;
        const char* code;
        std::int32_t stake;
        int number;
        bool withStake;
        int tip;
        std::int32_t win;
    };
    const Case cases[] = {
        {French, "PL17", 10, 17, false, 0, 350},
        {French, "PL17", 10, 17, false, 1, 340},
        {French, "PL17", 10, 17, false, 2, 340},
        {French, "PL17", 10, 17, true, 0, 360},
        {French, "PL17", 10, 17, true, 1, 350},
        {French, "PL00", 2, 0, false, 0, 70},
        {French, "CH37", 3, 2, false, 0, 51},
        {French, "CH37", 3, 2, false, 1, 51},
        {French, "CH37", 3, 2, false, 2, 48},
        {French, "CH37", 3, 2, true, 2, 51},
        {French, "CH37", 3, 2, true, 0, 54},
        {French, "CH01", 1, 0, false, 0, 17},
        {French, "TP02", 1, 3, false, 0, 11},
        {French, "TP03", 2, 1, true, 0, 24},
        {French, "TS01", 1, 6, false, 0, 5},
        {French, "TS01", 1, 6, true, 0, 6},
        {French, "CA02", 1, 5, false, 0, 8},
        {French, "CA02", 1, 5, true, 0, 9},
        {French, "CA01", 1, 0, false, 0, 8},
        {French, "KL02", 3, 2, false, 0, 6},
        {French, "KL02", 3, 2, true, 0, 9},
        {French, "DZ03", 3, 36, false, 0, 6},
        {French, "DZ03", 3, 36, true, 0, 9},
        {French, "EC01", 4, 18, false, 0, 4},
        {French, "EC01", 4, 18, true, 0, 8},
        {French, "EC06", 4, 18, true, 0, 0},
        {French, "PL17", 4, 18, true, 0, 0},
        {French, "DZ01", 4, 0, true, 0, 0},
        {American, "PL37", 1, DoubleZero, false, 0, 35},
        {American, "PL37", 1, DoubleZero, true, 2, 35},
        {American, "CA01", 2, DoubleZero, false, 0, 12},
        {American, "CA01", 2, 3, true, 0, 14},
        {American, "TP15", 1, DoubleZero, false, 0, 11},
        {American, "TP16", 1, 3, true, 0, 12},
        {American, "CH61", 1, 0, false, 0, 17},
        {American, "CH63", 1, 3, false, 2, 16},
        {American, "CH02", 1, 2, true, 0, 18},
        {American, "EC02", 5, 2, false, 0, 5},
        {American, "KL01", 1, DoubleZero, true, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.code) + " on " + numberText(c.number));
        useTable(c.table);
        player(1) = Player{};
        player(1).Capital = 100;
        state().settings.WinPiecesToProfit = c.withStake;
        state().settings.TipRule = c.tip;
        stake(1, c.code, c.stake);
        spin(c.number);
        EXPECT_EQ(player(1).CoupWin, c.win);
        // A win paid without its stake leaves the stake on the table: dozens, columns and
        // transversales simples as well.
        EXPECT_EQ(bet(1, c.code).stays, c.win > 0 && !c.withStake);
        EXPECT_TRUE(state().bets.CoupSettled[0]);
    }
}

TEST_F(Settlement, WinsOfAllFieldsAddUpPerPlayer) {
    stake(1, "PL17", 2); // 70
    stake(1, "CH17", 1); // 14/17: 17
    stake(1, "EC04", 3); // black: 3
    stake(1, "EC03", 3); // red: lost
    stake(2, "DZ02", 4); // 8
    state().settings.WinPiecesToProfit = false;
    spin(17);
    EXPECT_EQ(player(1).CoupWin, 90);
    EXPECT_EQ(player(2).CoupWin, 8);
    EXPECT_EQ(player(3).CoupWin, 0);
}

TEST_F(Settlement, NetResultCountsStakesThatStayOnTheTableAsKept) {
    struct Stake {
        const char* code;
        std::int32_t amount;
    };
    struct Case {
        const char* name;
        std::vector<Stake> stakes;
        int number;
        bool withStake;
        std::int32_t net;
        int won;
        int lost;
    };
    const Case cases[] = {
        {"even chance won, stake stays", {{"EC03", 10}}, 1, false, 10, 1, 0},
        {"even chance won with the stake", {{"EC03", 10}}, 1, true, 10, 1, 0},
        {"red won, black lost, stake stays", {{"EC03", 10}, {"EC04", 10}}, 1, false, 0, 0, 1},
        {"red won, black lost, with the stake", {{"EC03", 10}, {"EC04", 10}}, 1, true, 0, 0, 1},
        {"plein won, red lost", {{"PL17", 5}, {"EC03", 5}}, 17, false, 170, 1, 0},
        {"plein lost", {{"PL17", 5}}, 18, false, -5, 0, 1},
        {"no stake", {}, 18, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player(1) = Player{};
        player(1).Capital = 1000;
        state().settings.WinPiecesToProfit = c.withStake;
        for (const Stake& s : c.stakes) {
            stake(1, s.code, s.amount);
        }
        spin(c.number);
        RecordCoupResults(game);
        EXPECT_EQ(player(1).CoupNet, c.net);
        EXPECT_EQ(coupNetResult(player(1)), c.net);
        EXPECT_EQ(coupsWonOf(player(1)), c.won);
        EXPECT_EQ(coupsLostOf(player(1)), c.lost);
        EXPECT_EQ(lastStakeOf(player(1)), player(1).BetSum);
    }
}

TEST_F(Settlement, ZeroGivesHalfOfTheEvenChancesBackAndImprisonsAnOddUnit) {
    struct Case {
        const char* name;
        TableType table;
        bool real;
        std::int32_t stake;
        bool zeroHandling;
        int number;
        std::int32_t back;
        bool prisoner;
    };
    const Case cases[] = {
        {"3 pieces", French, false, 3, true, 0, 1, true},
        {"4 pieces", French, false, 4, true, 0, 2, false},
        {"1 piece", French, false, 1, true, 0, 0, true},
        {"150 with piece value 50", French, true, 150, true, 0, 50, true},
        {"170 with piece value 50", French, true, 170, true, 0, 50, true},
        {"30 with piece value 50", French, true, 30, true, 0, 0, false},
        {"200 with piece value 50", French, true, 200, true, 0, 100, false},
        {"zero handling off", French, false, 3, false, 0, 0, false},
        {"double zero", American, false, 3, true, DoubleZero, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useTable(c.table);
        player(1) = Player{};
        player(1).Capital = 1000;
        state().bets.prison = {};
        state().settings.ShowReal = c.real;
        state().settings.PieceValue = 50;
        state().settings.ZeroHandling = c.zeroHandling;
        stake(1, "EC06", c.stake);
        spin(c.number);
        EXPECT_EQ(player(1).CoupWin, c.back);
        EXPECT_EQ(state().bets.prison.Prison1[0][Passe - 1], c.prisoner);
        EXPECT_EQ(state().bets.prison.Prison1Active, c.prisoner);
    }
}

// Player 1 holds 3 pieces on red when zero falls: one piece goes to the first prison. Each row
// plays the coups after that zero the way the spin cycle does and looks where the piece is.
TEST_F(Settlement, APrisonerIsFreedByItsChanceAndLostOnTheOthersOrOnTheThirdZero) {
    enum Where { Prison1, Prison2, BackOnRed, Lost };
    struct Case {
        const char* name;
        std::vector<int> numbers;
        Where where;
    };
    const Case cases[] = {
        {"red frees it", {1}, BackOnRed},
        {"black loses it", {2}, Lost},
        {"zero moves it to the second prison", {0}, Prison2},
        {"a win from the second prison moves it back to the first", {0, 3}, Prison1},
        {"and a second win frees it", {0, 3, 5}, BackOnRed},
        {"a loss from the second prison loses it", {0, 4}, Lost},
        {"the third zero loses it", {0, 0}, Lost},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player(1) = Player{};
        player(1).Capital = 100;
        state().bets.prison = {};
        stake(1, "EC03", 3);
        spin(0);
        ClearBoard(game, 1, ClearMode::Hide);
        ReturnReleasedPrisoners(game);
        EXPECT_EQ(player(1).CoupWin, 1);

        const std::int32_t capital = player(1).Capital;
        for (int number : c.numbers) {
            ClearBoard(game, 1, ClearMode::Clear); // the next bets start on a clear table
            spin(number);
            ClearBoard(game, 1, ClearMode::Hide);
            ReturnReleasedPrisoners(game);
        }
        const PrisonState& prison = state().bets.prison;
        EXPECT_EQ(prison.Prison1[0][Rouge - 1], c.where == Prison1);
        EXPECT_EQ(prison.Prison2[0][Rouge - 1], c.where == Prison2);
        EXPECT_EQ(prison.Prison1Active, c.where == Prison1);
        EXPECT_EQ(prison.Prison2Active, c.where == Prison2);
        EXPECT_EQ(bet(1, "EC03").placed, c.where == BackOnRed);
        EXPECT_EQ(player(1).BetSum, c.where == BackOnRed ? 1 : 0);
        EXPECT_EQ(player(1).Capital, capital); // a freed prisoner is not charged
        EXPECT_FALSE(prison.PrisonReleased[0][Rouge - 1]);
    }
}

TEST_F(Settlement, PrisonChipsShowWhereTheUnitsWait) {
    stake(1, "EC03", 3);
    stake(2, "EC01", 1);
    spin(0);
    std::vector<std::string> prisoners;
    for (const ChipView& chip : boardChips(state())) {
        if (chip.prison) {
            prisoners.push_back(chip.name);
        }
    }
    EXPECT_EQ(prisoners, (std::vector<std::string>{"SH_ZE12", "SH_ZE31"}));
    spin(0);
    const auto chips = boardChips(state());
    const auto second = std::ranges::find(chips, std::string("SH_ZS31"), &ChipView::name);
    ASSERT_NE(second, chips.end());
    EXPECT_EQ(second->anchor, (BoardPoint{379, 252}));
}

TEST_F(Settlement, InReplayAFreedPrisonerIsPaidAtOnce) {
    stake(1, "EC03", 3);
    spin(0);
    ClearBoard(game, 1, ClearMode::Clear);
    state().ReplayOn = true;
    spin(1);
    EXPECT_EQ(player(1).CoupWin, 1);
    EXPECT_FALSE(state().bets.prison.PrisonReleased[0][Rouge - 1]);
}

TEST_F(Settlement, ACoupWithoutAWheelSettlesNothing) {
    stake(1, "PL17", 1);
    state().table.PocketTable.clear();
    SettleCoup(game);
    EXPECT_EQ(player(1).CoupWin, 0);
    EXPECT_FALSE(state().bets.CoupSettled[0]);
}

TEST(PayoutCount, TwentyStepsAtATimeWhileTwiceTwentyRemainThenSingleSteps) {
    struct Case {
        std::int32_t win;
        std::int32_t step;
        std::vector<std::int32_t> moves;
    };
    const auto batchesThenSingles = [](std::vector<std::int32_t> batches, int singles,
                                       std::int32_t step) {
        batches.insert(batches.end(), singles, step);
        return batches;
    };
    const Case cases[] = {
        {100, 1, batchesThenSingles({20, 20, 20, 20}, 20, 1)},
        {40, 1, batchesThenSingles({20}, 20, 1)},
        {39, 1, batchesThenSingles({}, 39, 1)},
        {2525, 50,
         [&] {
             auto moves = batchesThenSingles({1000}, 30, 50);
             moves.push_back(25);
             return moves;
         }()},
        {0, 1, {}},
        {-5, 1, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.win);
        PayoutCount count(c.win, c.step);
        std::vector<std::int32_t> moves;
        while (!count.done()) {
            moves.push_back(count.next());
        }
        EXPECT_EQ(moves, c.moves);
        EXPECT_EQ(count.next(), 0);
    }
}

// Looks at the held placements whenever the payout count waits.
class WatchingHost : public testing::RecordingHost {
public:
    void wait(int milliseconds) override {
        RecordingHost::wait(milliseconds);
        heldDuringWaits = heldDuringWaits && state && state->bets.PlacementBlocked;
    }
    const GameState* state = nullptr;
    bool heldDuringWaits = true;
};

TEST(PayOutWins, CountsEachWinOverWithWaitsAndHoldsThePlacements) {
    WatchingHost host;
    Game game(host, 1);
    GameState& state = game.state();
    host.state = &state;
    testing::loadStandardTable(state, French);
    state.phase = TextKind::gkSpielende;
    state.settings.PlayerCount = 2;
    state.settings.ShowReal = true;
    state.settings.PieceValue = 5;
    state.player(1).CoupWin = 45; // 9 single steps of 5
    state.player(2).CoupWin = 0;  // no count
    state.player(2).Capital = 7;
    PayOutWins(game);
    EXPECT_EQ(state.player(1).Capital, 45);
    EXPECT_EQ(state.player(2).Capital, 7);
    EXPECT_EQ(host.waits.front(), PayoutFirstWaitMs);
    EXPECT_EQ(host.waits.size(), 10u);
    EXPECT_EQ(host.totalWaitMs(), 2500 + 9 * 80);
    EXPECT_TRUE(host.heldDuringWaits);
    EXPECT_FALSE(state.bets.PlacementBlocked);
    EXPECT_FALSE(state.bets.payout.counting);
    EXPECT_TRUE(state.bets.payout.shown);
    EXPECT_EQ(state.bets.payout.remaining[0], 0);
    EXPECT_EQ(state.player(1).CoupWin, 45);
    EXPECT_TRUE(host.changedAny(Change::InfoPanel));
}

TEST(PayOutWins, ASystemPlayerCountsSinglePiecesAndTheSuperShortGameNeverWaits) {
    testing::RecordingHost host;
    Game game(host, 1);
    GameState& state = game.state();
    testing::loadStandardTable(state, French);
    state.settings.PlayerCount = 1;
    state.settings.ShowReal = true;
    state.settings.PieceValue = 5;
    state.player(1).sys.SystemActive = true;
    EXPECT_EQ(payoutStep(state, 1), 1);
    state.player(1).sys.SystemActive = false;
    EXPECT_EQ(payoutStep(state, 1), 5);

    state.phase = TextKind::gkKurzspiel;
    state.player(1).CoupWin = 45;
    PayOutWins(game);
    EXPECT_EQ(state.player(1).Capital, 45);
    EXPECT_TRUE(host.waits.empty());
}

} // namespace
} // namespace quendra
