// Placing and removing stakes: the unit, the capital check, the chip limit, the bet list, Clear
// chips, the mouse on the board and the chips, and the enabled bet commands.
#include "bets/BetCommands.h"
#include "bets/BoardChips.h"
#include "bets/BoardMouse.h"
#include "bets/Placement.h"
#include "support/BetTable.h"

#include <algorithm>
#include <limits>

namespace quendra {
namespace {

using testing::BetTable;
using BetPlacement = BetTable;

TEST_F(BetPlacement, UnitIsOnePieceOrThePieceValueInTheRealMode) {
    Settings settings;
    EXPECT_EQ(betUnit(settings), 1);
    settings.PieceValue = 50;
    EXPECT_EQ(betUnit(settings), 1);
    settings.ShowReal = true;
    EXPECT_EQ(betUnit(settings), 50);
    settings.PieceValue = 0; // a damaged setting still bets something
    EXPECT_EQ(betUnit(settings), 1);
}

TEST_F(BetPlacement, ChargeStakeRefusesOnlyAPlayerWhoWouldGoBelowZero) {
    struct Case {
        const char* name;
        std::int32_t capital;
        std::int32_t amount;
        bool system;
        bool charged;
        std::int32_t capitalAfter;
        std::int32_t betSumAfter;
    };
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    const Case cases[] = {
        {"covered", 100, 30, false, true, 70, 30},
        {"all of it", 30, 30, false, true, 0, 30},
        {"short", 20, 30, false, false, 20, 0},
        {"system player goes below zero", 20, 30, true, true, -10, 30},
        {"giving back", 0, -5, false, true, 5, -5},
        {"zero refreshes", 7, 0, false, true, 7, 0},
        {"beyond the 32-bit range", 0, std::numeric_limits<std::int32_t>::min(), false, false, 0,
         0},
        {"system stake beyond the range", -10, max, true, false, -10, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player(1) = Player{};
        player(1).Capital = c.capital;
        player(1).sys.SystemActive = c.system;
        EXPECT_EQ(ChargeStake(game, c.amount), c.charged);
        EXPECT_EQ(player(1).Capital, c.capitalAfter);
        EXPECT_EQ(player(1).BetSum, c.betSumAfter);
        EXPECT_EQ(state().bets.LastRequestedStake, c.amount);
    }
    state().CurrentPlayer = 0;
    EXPECT_FALSE(ChargeStake(game, 1));
}

TEST_F(BetPlacement, AddAndRemoveMoveOneUnitBetweenCapitalAndField) {
    EXPECT_EQ(AddUnit(game, "SH_PL171"), PlacementOutcome::Placed);
    EXPECT_EQ(AddUnit(game, "SH_PL172"), PlacementOutcome::Placed); // any digit: the selected
    EXPECT_EQ(bet(1, "PL17").amount, 2);
    EXPECT_TRUE(bet(1, "PL17").placed);
    EXPECT_EQ(player(1).Capital, 98);
    EXPECT_EQ(player(1).BetSum, 2);
    EXPECT_FALSE(bet(2, "PL17").placed);

    EXPECT_EQ(RemoveUnit(game, "SH_PL171"), PlacementOutcome::Placed);
    EXPECT_EQ(RemoveUnit(game, "SH_PL171"), PlacementOutcome::Placed);
    EXPECT_FALSE(bet(1, "PL17").placed);
    EXPECT_EQ(bet(1, "PL17").amount, 0);
    EXPECT_EQ(player(1).Capital, 100);
    EXPECT_EQ(player(1).BetSum, 0);

    // Removing from an empty field gives nothing back.
    EXPECT_EQ(RemoveUnit(game, "SH_PL171"), PlacementOutcome::Ignored);
    EXPECT_EQ(player(1).Capital, 100);
    EXPECT_EQ(player(1).BetSum, 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(BetPlacement, RemovingFromAStakeBelowTheUnitGivesBackOnlyWhatLay) {
    state().settings.ShowReal = true;
    state().settings.PieceValue = 50;
    stake(1, "EC03", 30); // a system list may leave less than a unit on a field
    EXPECT_EQ(player(1).Capital, 70);
    EXPECT_EQ(RemoveUnit(game, "SH_EC031"), PlacementOutcome::Placed);
    EXPECT_EQ(player(1).Capital, 100);
    EXPECT_EQ(player(1).BetSum, 0);
}

TEST_F(BetPlacement, ShortCapitalShowsWarning10WithTheUnitAndStopsTheRepeat) {
    state().settings.ShowReal = true;
    state().settings.PieceValue = 50;
    player(1).Capital = 40;
    EXPECT_EQ(AddUnit(game, "SH_PL051"), PlacementOutcome::Refused);
    EXPECT_TRUE(state().bets.PlacementRefused);
    EXPECT_EQ(host.numbersOf(MessageKind::Warning), std::vector<int>{10});
    EXPECT_NE(host.messages.back().text.find("Notwendiges Kapital wären 50 Einheiten!"),
              std::string::npos);
    EXPECT_FALSE(bet(1, "PL05").placed);
    EXPECT_EQ(player(1).Capital, 40);
    EXPECT_EQ(player(1).BetSum, 0);
}

TEST_F(BetPlacement, TheClickAboveTheChipLimitShowsInfo3AndLeavesTheCapital) {
    state().settings.ChipLimitOn = true;
    state().settings.ChipLimit = 50;
    for (int click = 1; click <= 50; ++click) {
        ASSERT_EQ(AddUnit(game, "SH_PL051"), PlacementOutcome::Placed);
    }
    EXPECT_FALSE(state().bets.PlacementRefused);
    EXPECT_EQ(AddUnit(game, "SH_PL051"), PlacementOutcome::Refused);
    EXPECT_TRUE(state().bets.PlacementRefused);
    EXPECT_EQ(bet(1, "PL05").amount, 50);
    EXPECT_EQ(player(1).Capital, 50);
    EXPECT_EQ(player(1).BetSum, 50);
    ASSERT_EQ(host.numbersOf(MessageKind::Info), std::vector<int>{3});
    EXPECT_EQ(host.messages.back().text, "Maximaler Chetonwert (50) erreicht (PL05)!");
}

TEST_F(BetPlacement, ChipNamesOfNoFieldChangeNothing) {
    const char* names[] = {"",         "SH_",       "SH_PL17",  "SH_XX011", "SH_PL381",
                           "SH_PL371", "SH_CH611",  "SH_PL175", "SH_PL170", "SH_ZE31",
                           "PL171",    "SH_PL1711", "sh_PL171", "SH_PL-11", "SH_EC071"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(PlaceBet(game, 1, name).refused);
        EXPECT_TRUE(PlaceBet(game, -1, name).refused);
        EXPECT_EQ(AddUnit(game, name), PlacementOutcome::Ignored);
        EXPECT_EQ(RemoveUnit(game, name), PlacementOutcome::Ignored);
        EXPECT_EQ(ChipPress(game, name, MouseButton::Left), PlacementOutcome::Ignored);
    }
    useTable(TableType::American);
    EXPECT_EQ(AddUnit(game, "SH_TP021"), PlacementOutcome::Ignored);
    EXPECT_EQ(player(1).Capital, 100);
    EXPECT_EQ(player(1).BetSum, 0);
    EXPECT_FALSE(player(1).board.anyPlaced());
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(BetPlacement, NothingIsPlacedWhileTheCursorIsHiddenOrBusy) {
    state().bets.PlacementBlocked = true;
    EXPECT_EQ(AddUnit(game, "SH_PL171"), PlacementOutcome::Ignored);
    EXPECT_EQ(ChipPress(game, "SH_PL171", MouseButton::Left), PlacementOutcome::Ignored);
    EXPECT_EQ(player(1).Capital, 100);
}

TEST_F(BetPlacement, ABetListIsPlacedEntryByEntryForTheSelectedPlayer) {
    state().CurrentPlayer = 2;
    BetList& list = state().bets.betList;
    list.append(betListPoint(TableType::French, parseFieldCode("PL17").value()), 3);
    list.append(betListPoint(TableType::French, parseFieldCode("EC03").value(), 2), 5);
    list.append(betListPoint(TableType::French, parseFieldCode("PL17").value()), 2);
    list.BetListTotal = 10;
    ASSERT_TRUE(ChargeAndPlaceBetList(game));
    EXPECT_EQ(bet(2, "PL17").amount, 5);
    EXPECT_EQ(bet(2, "EC03").amount, 5);
    EXPECT_EQ(player(2).Capital, 90);
    EXPECT_EQ(player(2).BetSum, 10);
}

TEST_F(BetPlacement, ABetListWithAnEntryOffTheBoardOrWithoutAStakeIsRefusedWhole) {
    struct Case {
        const char* name;
        BetListEntry bad;
    };
    const Case cases[] = {
        {"point off the board", {5, 5, 3}},
        {"between dozens and chances", {312, 100, 3}},
        {"zero amount", {70, 94, 0}},
        {"negative amount", {70, 94, -4}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BetList& list = state().bets.betList;
        list.clear();
        list.append({141, 289}, 3); // PL17
        list.entries.push_back(c.bad);
        list.BetListTotal = 3 + std::max(c.bad.amount, 0);
        EXPECT_FALSE(betListValid(state()));
        EXPECT_FALSE(ChargeAndPlaceBetList(game));
        EXPECT_EQ(player(1).Capital, 100);
        EXPECT_EQ(player(1).BetSum, 0);
        EXPECT_FALSE(player(1).board.anyPlaced());
    }
}

TEST_F(BetPlacement, AnEntryOffTheBoardOfAChargedListGoesBackToTheCapital) {
    BetList& list = state().bets.betList;
    list.append({141, 289}, 3);
    list.append({5, 5}, 4);
    list.append({70, 94}, -2); // holds no money: skipped
    ASSERT_TRUE(ChargeStake(game, 7));
    PlaceBetList(game);
    EXPECT_EQ(bet(1, "PL17").amount, 3);
    EXPECT_EQ(player(1).Capital, 97);
    EXPECT_EQ(player(1).BetSum, 3);
}

TEST_F(BetPlacement, ASystemPlayersListIsPlacedBeyondHisCapital) {
    player(3).sys.SystemActive = true;
    player(3).Capital = 2;
    state().CurrentPlayer = 3;
    BetList& list = state().bets.betList;
    list.append({324, 250}, 5); // EC03 of player 1's anchor, inside the field
    list.BetListTotal = 5;
    ASSERT_TRUE(ChargeAndPlaceBetList(game));
    EXPECT_EQ(bet(3, "EC03").amount, 5);
    EXPECT_EQ(player(3).Capital, -3);
}

TEST_F(BetPlacement, ClearChipsGivesEveryStakeBackAndLeavesThePrisoners) {
    stake(1, "PL17", 4);
    stake(1, "DZ02", 6);
    stake(2, "PL17", 1);
    state().bets.prison.Prison1[0][2] = true;
    state().bets.prison.Prison1Active = true;
    ClearChips(game);
    EXPECT_EQ(player(1).Capital, 100);
    EXPECT_EQ(player(1).BetSum, 0);
    EXPECT_FALSE(player(1).board.anyPlaced());
    EXPECT_TRUE(bet(2, "PL17").placed);
    EXPECT_TRUE(state().bets.prison.Prison1[0][2]);
}

TEST_F(BetPlacement, BoardPressNeedsARunningGameAndClearsHiddenBetsFirst) {
    state().phase = TextKind::gkSpielstart;
    EXPECT_EQ(BoardPress(game, {70, 94}, MouseButton::Left), PlacementOutcome::Ignored);
    EXPECT_EQ(host.lastNumber(), 8);
    state().phase = TextKind::gkPause;
    EXPECT_EQ(BoardPress(game, {70, 94}, MouseButton::Left), PlacementOutcome::Ignored);
    EXPECT_EQ(player(1).BetSum, 0);

    state().phase = TextKind::gkMakeMan;
    bet(1, "EC01") = FieldBet{false, 0, false, 7}; // hidden after the last coup
    player(1).BetsHidden = true;
    state().bets.WinIndicator = {141, 292};
    EXPECT_EQ(BoardPress(game, {70, 94}, MouseButton::Left), PlacementOutcome::Placed);
    EXPECT_EQ(state().bets.WinIndicator, WinIndicatorRest);
    EXPECT_FALSE(player(1).BetsHidden);
    EXPECT_EQ(bet(1, "EC01").hiddenAmount, 0);
    EXPECT_EQ(bet(1, "PL01").amount, 1);
    EXPECT_EQ(BoardRepeat(game, {70, 94}, MouseButton::Left), PlacementOutcome::Placed);
    EXPECT_EQ(BoardPress(game, {70, 94}, MouseButton::Right), PlacementOutcome::Placed);
    EXPECT_EQ(bet(1, "PL01").amount, 1);
    EXPECT_EQ(player(1).Capital, 99);
}

TEST_F(BetPlacement, AChipClickBetsForTheSelectedPlayerOnTheChipsField) {
    stake(2, "CH37", 1);
    state().phase = TextKind::gkPause; // chips need no betting phase
    EXPECT_EQ(ChipPress(game, "SH_CH372", MouseButton::Left), PlacementOutcome::Placed);
    EXPECT_EQ(bet(1, "CH37").amount, 1);
    EXPECT_EQ(bet(2, "CH37").amount, 1);
    EXPECT_EQ(ChipPress(game, "SH_ZE31", MouseButton::Left), PlacementOutcome::Ignored);
}

TEST_F(BetPlacement, SelectedPlayersChipsLieOnTopAndHiddenStakesHaveNoChip) {
    for (int p = 1; p <= 4; ++p) {
        stake(p, "PL17", p);
    }
    bet(3, "EC03") = FieldBet{false, 0, false, 5};
    state().bets.prison.Prison2[3][0] = true;
    state().CurrentPlayer = 2;
    const auto chips = boardChips(state());
    ASSERT_EQ(chips.size(), 5u);
    EXPECT_EQ(chips.back().name, "SH_PL172");
    EXPECT_EQ(chips.back().anchor, (BoardPoint{141, 296}));
    EXPECT_EQ(chips.back().amount, 2);
    const auto prisoner = std::ranges::find(chips, std::string("SH_ZS14"), &ChipView::name);
    ASSERT_NE(prisoner, chips.end());
    EXPECT_TRUE(prisoner->prison);
    EXPECT_EQ(prisoner->anchor, (BoardPoint{379, 138}));
    EXPECT_EQ(prisoner->amount, 1);
}

TEST_F(BetPlacement, CommandsFollowTheStakesThePrisonersAndTheRebetRule) {
    struct Case {
        const char* name;
        std::int32_t betSum2;
        bool tournament;
        bool prisoner;
        TextKind phase;
        bool counting;
        bool options;
        bool clearChips;
    };
    const Case cases[] = {
        {"empty table", 0, false, false, TextKind::gkMakeBet, false, true, false},
        {"stakes of another player", 4, false, false, TextKind::gkMakeBet, false, false, true},
        {"super-short game", 4, false, false, TextKind::gkKurzspiel, false, false, false},
        {"payout count", 4, false, false, TextKind::gkSpielende, true, false, false},
        {"tournament", 0, true, false, TextKind::gkMakeBet, false, false, true},
        {"prisoner", 0, false, true, TextKind::gkMakeBet, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        player(2).BetSum = c.betSum2;
        state().TournamentActive = c.tournament;
        state().bets.prison.Prison2Active = c.prisoner;
        state().phase = c.phase;
        state().bets.payout.counting = c.counting;
        const BetCommandState commands = betCommandState(state());
        EXPECT_EQ(commands.options, c.options);
        EXPECT_EQ(commands.clearChips, c.clearChips);
    }

    player(1).BetsHidden = true;
    EXPECT_TRUE(betCommandState(state()).lastBet);
    EXPECT_FALSE(betCommandState(state()).lastBetHint);
    state().settings.WinPiecesToProfit = false;
    EXPECT_FALSE(betCommandState(state()).lastBet);
    EXPECT_TRUE(betCommandState(state()).lastBetHint);
    state().CurrentPlayer = 0;
    state().settings.WinPiecesToProfit = true;
    EXPECT_FALSE(betCommandState(state()).lastBet);
}

} // namespace
} // namespace quendra
