// The extended bets: the patterns of the eight groups, appending them to the bet list, the
// button handler with its number requests, and which buttons are enabled.
#include "bets/BetCommands.h"
#include "bets/ExtendedBets.h"
#include "bets/Placement.h"
#include "support/BetTable.h"

#include <string>
#include <vector>

namespace quendra {
namespace {

using testing::BetTable;
using ExtendedBets = BetTable;

constexpr auto French = TableType::French;
constexpr auto American = TableType::American;

// "TP02x2" for two units, "CH07" for one.
std::vector<std::string> codes(const std::vector<PatternEntry>& pattern) {
    std::vector<std::string> result;
    for (const PatternEntry& entry : pattern) {
        result.push_back(fieldCode(entry.field) +
                         (entry.units == 1 ? "" : "x" + std::to_string(entry.units)));
    }
    return result;
}

TEST_F(ExtendedBets, EachGroupAppendsItsFieldsInOrder) {
    struct Case {
        const char* name;
        TableType table;
        ExtendedBet group;
        int argument;
        std::vector<std::string> codes;
    };
    const Case cases[] = {
        {"große Serie",
         French,
         ExtendedBet::GrosseSerie,
         0,
         {"TP02x2", "CA18x2", "CH07", "CH15", "CH21", "CH22", "CH35"}},
        {"kleine Serie",
         French,
         ExtendedBet::KleineSerie,
         0,
         {"CH30", "CH16", "CH36", "CH52", "CH08", "CH43"}},
        {"Orphelins", French, ExtendedBet::Orphelins, 0, {"CH17", "CH34", "CH09", "CH20", "PL01"}},
        {"Zerospiel", French, ExtendedBet::Zerospiel, 0, {"CH03", "PL26", "CH35", "CH15"}},
        {"no sections on the double-zero wheel", American, ExtendedBet::GrosseSerie, 0, {}},
        {"Finale 7", French, ExtendedBet::Finale, 7, {"PL07", "PL17", "PL27"}},
        {"Finale 6", French, ExtendedBet::Finale, 6, {"PL06", "PL16", "PL26", "PL36"}},
        {"Finale 0", French, ExtendedBet::Finale, 0, {"PL00", "PL10", "PL20", "PL30"}},
        {"American Finale 0",
         American,
         ExtendedBet::Finale,
         0,
         {"PL00", "PL10", "PL20", "PL30", "PL37"}},
        {"Finale 10", French, ExtendedBet::Finale, 10, {}},
        {"Finale -1", French, ExtendedBet::Finale, -1, {}},
        {"two neighbours of 0",
         French,
         ExtendedBet::TwoNeighbours,
         0,
         {"PL00", "PL32", "PL26", "PL15", "PL03"}},
        {"the number in pocket 1", French, ExtendedBet::OneNeighbour, 10, {"PL10", "PL05", "PL23"}},
        {"00 in pocket 1",
         American,
         ExtendedBet::OneNeighbour,
         DoubleZero,
         {"PL37", "PL27", "PL01"}},
        {"three neighbours of 5, the last pocket",
         French,
         ExtendedBet::ThreeNeighbours,
         5,
         {"PL05", "PL24", "PL10", "PL16", "PL23", "PL33", "PL08"}},
        {"00 on the French table", French, ExtendedBet::OneNeighbour, DoubleZero, {}},
        {"no number 38", American, ExtendedBet::TwoNeighbours, 38, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useTable(c.table);
        const auto pattern = extendedBetPattern(state().table, c.group, c.argument);
        EXPECT_EQ(codes(pattern), c.codes);
        int units = 0;
        for (const PatternEntry& entry : pattern) {
            units += entry.units;
        }
        EXPECT_EQ(extendedBetUnits(state().table, c.group, c.argument), units);
    }
    useTable(French);
    EXPECT_EQ(extendedBetUnits(state().table, ExtendedBet::GrosseSerie), 9);
}

TEST_F(ExtendedBets, AppendingChargesAPlayerWithoutSystemPlayAndNamesFieldsByPoints) {
    ASSERT_TRUE(AppendExtendedBet(game, ExtendedBet::Zerospiel, 5));
    EXPECT_EQ(player(1).Capital, 80);
    EXPECT_EQ(player(1).BetSum, 20);
    const BetList& list = state().bets.betList;
    ASSERT_EQ(list.BetListCount(), 4);
    EXPECT_EQ(list.entries[0], (BetListEntry{209, 67, 5}));
    EXPECT_EQ(FieldAtPoint(French, {list.entries[1].x, list.entries[1].y}), parseFieldCode("PL26"));
    EXPECT_EQ(list.BetListTotal, 0); // system play keeps its own total

    EXPECT_FALSE(AppendExtendedBet(game, ExtendedBet::Zerospiel, 0));
    EXPECT_FALSE(AppendExtendedBet(game, ExtendedBet::Zerospiel, -5));
    EXPECT_FALSE(AppendExtendedBet(game, ExtendedBet::Finale, 1, 12));
    EXPECT_EQ(player(1).Capital, 80);
    player(1).Capital = 8;
    EXPECT_FALSE(AppendExtendedBet(game, ExtendedBet::GrosseSerie, 1));
    EXPECT_EQ(list.BetListCount(), 4);
    EXPECT_EQ(state().bets.LastRequestedStake, 9);

    player(1).sys.SystemActive = true; // charged later with the list total
    ASSERT_TRUE(AppendExtendedBet(game, ExtendedBet::GrosseSerie, 1));
    EXPECT_EQ(player(1).Capital, 8);
    EXPECT_EQ(list.BetListCount(), 11);
}

TEST_F(ExtendedBets, GrosseSerieWithoutTheCapitalShowsWarning10WithItsTotal) {
    player(1).Capital = 8;
    ErwSerieClick(game, 1);
    EXPECT_EQ(host.numbersOf(MessageKind::Warning), std::vector<int>{10});
    EXPECT_NE(host.messages.back().text.find("wären 9 Einheiten"), std::string::npos);
    EXPECT_FALSE(player(1).board.anyPlaced());
    EXPECT_EQ(player(1).Capital, 8);
    EXPECT_EQ(player(1).BetSum, 0);
}

TEST_F(ExtendedBets, ASectionButtonPlacesItsGroupAtOnce) {
    state().bets.WinIndicator = {141, 292};
    ErwSerieClick(game, 1);
    EXPECT_EQ(state().bets.WinIndicator, WinIndicatorRest);
    EXPECT_TRUE(host.numberRequests.empty());
    EXPECT_EQ(bet(1, "TP02").amount, 2);
    EXPECT_EQ(bet(1, "CA18").amount, 2);
    EXPECT_EQ(bet(1, "CH22").amount, 1);
    EXPECT_EQ(player(1).Capital, 91);
    EXPECT_EQ(player(1).BetSum, 9);
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);
}

TEST_F(ExtendedBets, FinaleAndNeighboursAskForTheirNumber) {
    struct Case {
        const char* name;
        TableType table;
        int language;
        int tag;
        std::optional<int> answer;
        const char* caption;
        int highest;
        std::vector<const char*> placed;
    };
    const Case cases[] = {
        {"Finale 7", French, 0, 4, 7, "Finale festlegen", 9, {"PL07", "PL17", "PL27"}},
        {"Finale in English",
         French,
         1,
         4,
         3,
         "determine Finale",
         9,
         {"PL03", "PL13", "PL23", "PL33"}},
        {"one neighbour", French, 0, 6, 0, "1 Nachbar setzen", 36, {"PL00", "PL32", "PL26"}},
        {"two neighbours of 00",
         American,
         1,
         7,
         DoubleZero,
         "set 2 neighbours",
         37,
         {"PL37", "PL27", "PL01", "PL10", "PL13"}},
        {"three neighbours",
         French,
         0,
         8,
         17,
         "3 Nachbarn setzen",
         36,
         {"PL17", "PL34", "PL25", "PL06", "PL02", "PL27", "PL21"}},
        {"cancelled", French, 0, 4, std::nullopt, "Finale festlegen", 9, {}},
        {"beyond the highest digit", French, 0, 4, 10, "Finale festlegen", 9, {}},
        {"below zero", French, 0, 6, -1, "1 Nachbar setzen", 36, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        useTable(c.table);
        player(1) = Player{};
        player(1).Capital = 100;
        host.messages.clear();
        host.numberRequests.clear();
        host.numberRequestCaptions.clear();
        state().settings.Language = c.language;
        host.numberAnswers.push_back(c.answer);
        ErwSerieClick(game, c.tag);
        ASSERT_EQ(host.numberRequests.size(), 1u);
        EXPECT_EQ(host.numberRequestCaptions[0], c.caption);
        EXPECT_EQ(host.numberRequests[0].highest, c.highest);
        EXPECT_EQ(host.numberRequests[0].mode, 0);
        for (const char* code : c.placed) {
            EXPECT_EQ(bet(1, code).amount, 1) << code;
        }
        EXPECT_EQ(player(1).BetSum, static_cast<int>(c.placed.size()));
        EXPECT_EQ(player(1).Capital, 100 - player(1).BetSum);
        EXPECT_TRUE(host.messages.empty()); // a cancel shows nothing
        EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    }
}

// Records the phase while the number request is open.
class PhaseWatchingHost : public testing::RecordingHost {
public:
    std::optional<int> requestNumber(const NumberRequest& request, Language language) override {
        phaseDuringRequest = state->phase;
        return RecordingHost::requestNumber(request, language);
    }
    const GameState* state = nullptr;
    TextKind phaseDuringRequest = TextKind::gkSpielstart;
};

TEST(ExtendedBetRequest, TheGamePausesWhileTheRequestIsOpenUnlessTheTimeBarIsManual) {
    for (TextKind phase : {TextKind::gkMakeBet, TextKind::gkMakeMan}) {
        PhaseWatchingHost host;
        Game game(host, 1);
        host.state = &game.state();
        testing::loadStandardTable(game.state(), French);
        game.state().phase = phase;
        host.numberAnswers.push_back(5);
        ErwSerieClick(game, 4);
        EXPECT_EQ(host.phaseDuringRequest,
                  phase == TextKind::gkMakeBet ? TextKind::gkPause : TextKind::gkMakeMan);
        EXPECT_EQ(game.state().phase, phase);
    }
}

TEST_F(ExtendedBets, ButtonsDoNothingOutsideTheBettingTimeOrOffTheirTable) {
    for (TextKind phase : {TextKind::gkSpielstart, TextKind::gkPause, TextKind::gkSpielende,
                           TextKind::gkKurzspiel}) {
        state().phase = phase;
        for (int tag = 1; tag <= 8; ++tag) {
            host.numberAnswers.push_back(5);
            ErwSerieClick(game, tag);
        }
    }
    state().phase = TextKind::gkMakeBet;
    ErwSerieClick(game, 0);
    ErwSerieClick(game, 9);
    useTable(American);
    ErwSerieClick(game, 2);
    EXPECT_TRUE(host.numberRequests.empty());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(player(1).board.anyPlaced());
    EXPECT_EQ(player(1).Capital, 100);
}

TEST_F(ExtendedBets, AFieldAboveTheChipLimitIsLeftOutAndItsStakeGoesBack) {
    state().settings.ChipLimitOn = true;
    state().settings.ChipLimit = 1;
    ErwSerieClick(game, 1);
    const auto infos = host.numbersOf(MessageKind::Info);
    EXPECT_EQ(infos, (std::vector<int>{3, 3}));
    EXPECT_EQ(host.messages[0].text, "Maximaler Chetonwert (1) erreicht (TP02)!");
    EXPECT_EQ(host.messages[1].text, "Maximaler Chetonwert (1) erreicht (CA18)!");
    EXPECT_FALSE(bet(1, "TP02").placed);
    EXPECT_FALSE(bet(1, "CA18").placed);
    EXPECT_EQ(bet(1, "CH35").amount, 1);
    EXPECT_EQ(player(1).BetSum, 5);
    EXPECT_EQ(player(1).Capital, 95);
}

TEST_F(ExtendedBets, InTheRealModeEachEntryIsAPieceValue) {
    state().settings.ShowReal = true;
    state().settings.PieceValue = 50;
    player(1).Capital = 1000;
    host.numberAnswers.push_back(7);
    ErwSerieClick(game, 4);
    EXPECT_EQ(bet(1, "PL27").amount, 50);
    EXPECT_EQ(player(1).Capital, 850);
}

TEST_F(ExtendedBets, ButtonsAreEnabledWhileAGameRunsOutsideAPauseForTheirTable) {
    struct Case {
        TableType table;
        TextKind phase;
        std::array<bool, 8> enabled;
    };
    constexpr std::array<bool, 8> none{};
    constexpr std::array<bool, 8> all{true, true, true, true, true, true, true, true};
    constexpr std::array<bool, 8> american{false, false, false, true, false, true, true, true};
    const Case cases[] = {
        {French, TextKind::gkSpielstart, none},    {French, TextKind::gkMakeBet, all},
        {French, TextKind::gkMakeMan, all},        {French, TextKind::gkSpielende, all},
        {French, TextKind::gkKurzspiel, all},      {French, TextKind::gkPause, none},
        {American, TextKind::gkMakeBet, american}, {American, TextKind::gkPause, none},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.phase));
        useTable(c.table);
        state().phase = c.phase;
        EXPECT_EQ(betCommandState(state()).extendedBets, c.enabled);
    }
}

} // namespace
} // namespace quendra
