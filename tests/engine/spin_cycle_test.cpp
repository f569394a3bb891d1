// The spin cycle: the number sources, the ball run, the tick's rhythm with the automatic and the
// manual time bar, the super-short game, the end of the load files, and what a coup records.
#include "bets/ChipName.h"
#include "bets/Placement.h"
#include "game/GameCommands.h"
#include "game/PauseProtocol.h"
#include "game/PlayerPanel.h"
#include "game/StartUp.h"
#include "game/SuperShortGame.h"
#include "spin/BallRun.h"
#include "spin/CoupRecords.h"
#include "spin/NumberPick.h"
#include "spin/SpinCycle.h"
#include "spin/TimeBar.h"
#include "spin/WheelBox.h"
#include "support/BetTable.h"
#include "support/PermanenceGame.h"
#include "support/RecordingHost.h"
#include "support/TempFolder.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

namespace quendra {
namespace {

using testing::loadStandardTable;
using testing::RecordingHost;

class SpinCycle : public ::testing::Test {
protected:
    SpinCycle() {
        initialiseGameState(state(), {});
        loadStandardTable(state(), TableType::French);
        for (Player& player : state().players) {
            player.Capital = 1000;
            player.StartCapital = 1000;
        }
    }

    GameState& state() { return game.state(); }

    // Starts the game with a time bar of `limit` ticks.
    void start(int limit = 1) {
        state().TimeBarLimit = limit;
        ASSERT_TRUE(StartGame(game));
    }

    // Ticks until a coup has been played.
    void playCoup() {
        for (int tick = 0; tick <= state().TimeBarLimit + 1; ++tick) {
            if (SpieltimerTick(game)) {
                return;
            }
        }
        FAIL() << "no coup within the time bar";
    }

    void stake(int player, std::string_view code, std::int32_t amount) {
        state().CurrentPlayer = player;
        ASSERT_TRUE(ChargeStake(game, amount));
        ASSERT_FALSE(
            PlaceBet(game, amount, chipName(parseFieldCode(code).value(), player)).refused);
    }

    int ballNumber() { return state().table.ballNumber(); }

    RecordingHost host;
    Game game{host, 11};
};

TEST_F(SpinCycle, ComputerNumbersNeverRepeatThePreviousPocketAndReachEveryOther) {
    struct Case {
        TableType table;
        bool shortCup;
    };
    for (const Case c : {Case{TableType::French, false}, Case{TableType::French, true},
                         Case{TableType::American, false}, Case{TableType::American, true}}) {
        SCOPED_TRACE(::testing::Message() << "American " << (c.table == TableType::American)
                                          << " ShortCup " << c.shortCup);
        loadStandardTable(state(), c.table);
        state().settings.ShortCup = c.shortCup;
        state().phase = TextKind::gkSpielstart;
        start();
        SuperShortGameOn(game, 0);
        std::set<int> distances;
        for (int coup = 0; coup < 3000; ++coup) {
            const int before = state().table.BallPocket;
            ASSERT_TRUE(SpieltimerTick(game));
            EXPECT_EQ(state().NumberSource, "Computer");
            const int pockets = state().table.PocketCount;
            distances.insert((state().table.BallPocket - before + pockets) % pockets);
        }
        EXPECT_EQ(distances.count(0), 0u);
        EXPECT_EQ(static_cast<int>(distances.size()), state().table.PocketCount - 1);
    }
}

TEST_F(SpinCycle, AHandPickedNumberLandsWhateverTheExtraTurnsAndIsUsedOnce) {
    for (TableType table : {TableType::French, TableType::American}) {
        loadStandardTable(state(), table);
        state().phase = TextKind::gkSpielstart;
        start();
        for (int number = 0; number <= state().table.HighestNumber; ++number) {
            SCOPED_TRACE(number);
            ASSERT_EQ(PickManualNumber(state(), number), NumberPick::Picked);
            playCoup();
            EXPECT_EQ(ballNumber(), number);
            EXPECT_EQ(state().NumberSource, "Manuell");
            EXPECT_EQ(state().ManualSteps, NoneMarker);
        }
        playCoup();
        EXPECT_EQ(state().NumberSource, "Computer");
    }
}

TEST_F(SpinCycle, PickingTheCurrentNumberRunsOneWholeTurnMore) {
    state().settings.ShortCup = true; // one extra pocket, no extra turns
    start();
    const int number = ballNumber();
    ASSERT_EQ(PickManualNumber(state(), number), NumberPick::Picked);
    playCoup();
    EXPECT_EQ(ballNumber(), number);
    EXPECT_EQ(state().BallSteps, state().table.PocketCount + 1);
    EXPECT_EQ(host.waits.size(), static_cast<std::size_t>(state().table.PocketCount));
}

TEST_F(SpinCycle, ACoupFollowsEveryLimitPlusOneTicks) {
    struct Case {
        int limit;
        std::vector<bool> coups; // tick by tick from the start
    };
    const Case cases[] = {
        {1, {false, true, false, true, false, true}}, // a delay of 0: every second tick
        {2, {false, false, true, false, false, true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.limit);
        state().phase = TextKind::gkSpielstart;
        state().TimeBarTick = 0;
        start(c.limit);
        for (std::size_t tick = 0; tick < c.coups.size(); ++tick) {
            EXPECT_EQ(SpieltimerTick(game), c.coups[tick]) << "tick " << tick + 1;
        }
    }
}

TEST_F(SpinCycle, TheManualTimeBarWaitsForTheUserAfterEveryCoup) {
    state().settings.ManualTimeBar = true;
    start(30);
    for (int coup = 1; coup <= 3; ++coup) {
        SCOPED_TRACE(coup);
        EXPECT_EQ(state().phase, TextKind::gkMakeMan);
        EXPECT_FALSE(state().GameTimerOn);
        EXPECT_FALSE(SpieltimerTick(game)) << "nothing happens before the right click";
        KesselboxRightClick(game);
        EXPECT_TRUE(state().GameTimerOn);
        EXPECT_FALSE(SpieltimerTick(game));
        EXPECT_TRUE(SpieltimerTick(game));
    }
    EXPECT_EQ(state().phase, TextKind::gkMakeMan);
    EXPECT_FALSE(state().GameTimerOn);
}

TEST_F(SpinCycle, ASuperShortGameReturnsToNormalPlayAfterItsLastCoup) {
    for (bool manual : {false, true}) {
        SCOPED_TRACE(manual);
        state().phase = TextKind::gkSpielstart;
        state().settings.ManualTimeBar = manual;
        start(1500);
        host.waits.clear();
        SuperShortGameOn(game, 100);
        EXPECT_FALSE(state().settings.ManualTimeBar) << "off while the game runs";
        const int before = state().statistics.StatHowOften[TotalSlot];
        for (int coup = 1; coup <= 100; ++coup) {
            ASSERT_TRUE(state().superShortRunning()) << coup;
            ASSERT_TRUE(SpieltimerTick(game)) << coup;
        }
        EXPECT_EQ(state().statistics.StatHowOften[TotalSlot] - before, 100);
        EXPECT_FALSE(state().superShortRunning());
        EXPECT_TRUE(host.waits.empty()) << "no ball run and no payout count in the fast game";
        EXPECT_EQ(state().TimeBarLimit, 1500);
        EXPECT_EQ(state().settings.ManualTimeBar, manual);
        EXPECT_EQ(state().phase, manual ? TextKind::gkMakeMan : TextKind::gkMakeBet);
        EXPECT_EQ(state().GameTimerOn, !manual);
        EXPECT_EQ(state().SuperShortTarget, 0);
    }
}

TEST_F(SpinCycle, TheSuperShortTicksRunOnlyWhileTheGameRuns) {
    start();
    SuperShortGameOn(game, 250);
    EXPECT_EQ(RunSuperShortTicks(game, 100), 100);
    EXPECT_EQ(RunSuperShortTicks(game, 1000), 150);
    EXPECT_EQ(RunSuperShortTicks(game, 1000), 0);
}

// Load files that end after `coups` coups; system play counts its turns.
class LoadFiles : public GameHooks {
public:
    bool mainLoadFileActive(const Game&) const override { return true; }
    std::int32_t readLoadFileCoup(Game& game) override {
        game.state().NumberSource = "Datei";
        if (++read > coups) {
            game.state().PauseRequest = true;
        }
        return 5;
    }
    void runSystemPlayer(Game& game, int player) override {
        turns.push_back(player);
        selected.push_back(game.state().CurrentPlayer);
    }

    int coups = 2;
    int read = 0;
    std::vector<int> turns;
    std::vector<int> selected;
};

class LoadFileEnd : public SpinCycle {
protected:
    LoadFileEnd() { game.setHooks(files); }

    // Two coups from the files, then the tick that finds them exhausted.
    void playUntilTheFilesEnd(bool systemPlayer) {
        state().settings.PlayerCount = 2;
        state().player(2).sys.SystemActive = systemPlayer;
        start();
        playCoup();
        playCoup();
        EXPECT_EQ(state().NumberSource, "Datei");
        counted = state().statistics.StatHowOften[TotalSlot];
        strip = state().LastSixteen;
        SpieltimerTick(game);
        SpieltimerTick(game);
    }

    LoadFiles files;
    int counted = 0;
    std::array<std::uint16_t, 16> strip{};
};

TEST_F(LoadFileEnd, PausesWithInfo13AndPlaysTheCoupOnceThePauseEnds) {
    playUntilTheFilesEnd(false);
    EXPECT_EQ(host.numbersOf(MessageKind::Info), (std::vector<int>{13}));
    EXPECT_EQ(state().phase, TextKind::gkPause);
    EXPECT_TRUE(state().UserPause);
    EXPECT_FALSE(state().PauseRequest);
    EXPECT_FALSE(state().CoupInProgress);
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], counted) << "no coup was played";
    EXPECT_EQ(state().LastSixteen, strip);
    EXPECT_FALSE(SpieltimerTick(game));

    files.coups = 100;
    PauseClick(game);
    EXPECT_TRUE(SpieltimerTick(game)) << "the coup follows on the first tick after the pause";
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], counted + 1);
}

TEST_F(LoadFileEnd, GoesOnWhileAPlayerPlaysASystem) {
    playUntilTheFilesEnd(true);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(state().phase, TextKind::gkMakeBet);
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], counted + 1);
    EXPECT_EQ(files.turns, (std::vector<int>{2, 2, 2})) << "the system player's turn every coup";
    EXPECT_EQ(files.selected, (std::vector<int>{2, 2, 2}));
    EXPECT_EQ(state().CurrentPlayer, 1) << "the selection is restored";
}

TEST_F(SpinCycle, NoCoupIsPlayedWithoutAWheel) {
    start();
    state().table.PocketTable.clear();
    EXPECT_FALSE(SpieltimerTick(game));
    EXPECT_FALSE(SpieltimerTick(game));
    loadStandardTable(state(), TableType::French);
    state().table.BallPocket = 40;
    EXPECT_FALSE(SpieltimerTick(game));
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], 0);
}

TEST(SpinCycleLoadFile, TheCoupsOfALoadFileAndItsEndWithAndWithoutASystemPlayer) {
    for (bool system : {false, true}) {
        SCOPED_TRACE(system);
        testing::PermanenceGame g;
        GameState& state = g.state();
        state.settings.PauseAtLoadEnd = true;
        state.settings.PlayerCount = 2;
        state.player(2).sys.SystemActive = system;
        ASSERT_TRUE(g.activate(g.write("A.INP", "5\r\n17\r\n")));
        g.options().StartMode = LoadStartMode::Fix;
        state.TimeBarLimit = 1;
        ASSERT_TRUE(StartGame(g.game));
        for (int number : {5, 17}) {
            SpieltimerTick(g.game);
            ASSERT_TRUE(SpieltimerTick(g.game));
            EXPECT_EQ(state.table.ballNumber(), number);
            EXPECT_NE(state.NumberSource, "Computer");
        }
        SpieltimerTick(g.game);
        SpieltimerTick(g.game);
        EXPECT_FALSE(state.permanence.load.HaLaAktiv);
        EXPECT_EQ(state.NumberSource, "Computer");
        if (system) {
            EXPECT_TRUE(g.messageNumbers().empty());
            EXPECT_EQ(state.statistics.StatHowOften[TotalSlot], 3);
            EXPECT_EQ(state.phase, TextKind::gkMakeBet);
        } else {
            EXPECT_EQ(g.messageNumbers(), (std::vector<int>{13}));
            EXPECT_EQ(state.statistics.StatHowOften[TotalSlot], 2);
            EXPECT_EQ(state.phase, TextKind::gkPause);
        }
    }
}

TEST(SpinCycleLoadFile, ARunThatEndsWithItsLoadFilesDoesNotPlayTheRandomCoupAfterThem) {
    for (bool system : {false, true}) {
        SCOPED_TRACE(system);
        testing::PermanenceGame g;
        GameState& state = g.state();
        state.EndAtLoadEnd = true;
        state.settings.PlayerCount = 2;
        state.player(2).sys.SystemActive = system;
        ASSERT_TRUE(g.activate(g.write("A.INP", "5\r\n17\r\n")));
        ASSERT_TRUE(StartGame(g.game));
        SuperShortGameOn(g.game, 0);
        EXPECT_EQ(RunSuperShortTicks(g.game, 10), 3);
        EXPECT_EQ(state.statistics.StatHowOften[TotalSlot], 2);
        EXPECT_EQ(state.table.ballNumber(), 17);
        EXPECT_FALSE(state.permanence.load.HaLaAktiv);
        EXPECT_EQ(state.phase, TextKind::gkPause);
        EXPECT_FALSE(state.PauseRequest);
        EXPECT_TRUE(g.messageNumbers().empty());
    }
}

TEST_F(SpinCycle, TheBallSlowsDownOverItsLastSeventySteps) {
    struct Case {
        int step;
        int steps;
        int wait;
    };
    const Case cases[] = {{1, 100, 2},    {30, 100, 2}, {31, 100, 3}, {99, 100, 71},
                          {100, 100, 72}, {1, 5, 68},   {5, 5, 72}};
    for (const Case& c : cases) {
        EXPECT_EQ(ballRunWait(c.step, c.steps), c.wait) << c.step << " of " << c.steps;
    }
    start();
    playCoup();
    ASSERT_EQ(static_cast<int>(host.waits.size()), state().BallSteps - 1);
    EXPECT_EQ(host.waits.front(), 2);
    EXPECT_EQ(host.waits.back(), 72);
    const auto ballNotices = std::count_if(host.changes.begin(), host.changes.end(),
                                           [](Change c) { return c == Change::Ball; });
    EXPECT_EQ(ballNotices, state().BallSteps - 1) << "one notice for every pocket passed";
}

TEST(SpinCycleSeed, TheSameSeedPlaysTheSameCoups) {
    const auto play = [](std::uint64_t seed) {
        RecordingHost host;
        auto game = std::make_unique<Game>(host, seed);
        initialiseGameState(game->state(), {});
        loadStandardTable(game->state(), TableType::French);
        game->state().TimeBarLimit = 1;
        StartGame(*game);
        SuperShortGameOn(*game, 0);
        RunSuperShortTicks(*game, 500);
        const auto history = game->state().statistics.gameHistory();
        return std::vector<std::uint8_t>(history.begin(), history.end());
    };
    EXPECT_EQ(play(7), play(7));
    EXPECT_NE(play(7), play(8));
}

TEST_F(SpinCycle, TheBallRunsRoundTheWheelInWheelOrder) {
    struct Case {
        int from;
        std::int64_t moves;
        int to;
    };
    const Case cases[] = {{1, 0, 1}, {1, 36, 37}, {37, 1, 1}, {30, 37 * 3 + 10, 3}, {2, -3, 36}};
    for (const Case& c : cases) {
        EXPECT_EQ(pocketAfter(c.from, c.moves, 37), c.to) << c.from << " + " << c.moves;
    }
}

TEST_F(SpinCycle, TheTimeBarWarnsInFourColours) {
    struct Case {
        int tick;
        BarColour colour;
    };
    const Case cases[] = {{0, BarColour::White}, {49, BarColour::White},  {50, BarColour::Teal},
                          {65, BarColour::Teal}, {66, BarColour::Yellow}, {81, BarColour::Yellow},
                          {82, BarColour::Red},  {100, BarColour::Red}};
    for (const Case& c : cases) {
        EXPECT_EQ(timeBarColour(c.tick, 100), c.colour) << c.tick;
    }
    EXPECT_EQ(timeBarColour(1, 0), BarColour::White) << "the super-short game has no bar";
}

TEST_F(SpinCycle, ACoupShiftsTheShortHistoriesNewestFirst) {
    start();
    std::vector<int> pockets;
    for (int coup = 0; coup < 14; ++coup) {
        playCoup();
        pockets.insert(pockets.begin(), state().table.BallPocket);
    }
    const auto& recent = state().table.RecentPockets;
    EXPECT_EQ((std::vector<int>(recent.begin(), recent.end())),
              (std::vector<int>(pockets.begin(), pockets.begin() + 3)));
    for (int position = 1; position <= 12; ++position) {
        EXPECT_EQ(state().coupHistory.numberAt(position),
                  state().table.pocket(pockets[position - 1]).number)
            << position;
    }
    for (int row = 0; row < 14; ++row) {
        EXPECT_EQ(state().LastSixteen[15 - row], pockets[row]) << row;
    }
    EXPECT_EQ(state().LastSixteen[1], EmptySlot);
    const auto history = state().statistics.gameHistory();
    ASSERT_EQ(history.size(), 14u);
    EXPECT_EQ(CoupNumber(history.back()), ballNumber());
}

TEST_F(SpinCycle, ATableLoadForgetsGZAndVZButNotTheEarlierCoups) {
    testing::TempFolder folder;
    folder.copyWheelFiles();
    state().ProgramFolder = folder.path();
    start();
    for (int coup = 0; coup < 5; ++coup) {
        playCoup();
    }
    const std::optional<int> v0 = state().coupHistory.numberAt(3);
    ASSERT_TRUE(v0.has_value());
    ASSERT_TRUE(loadGameTable(game, TableType::American));
    EXPECT_EQ(state().coupHistory.numberAt(1), std::nullopt);
    EXPECT_EQ(state().coupHistory.numberAt(2), std::nullopt);
    EXPECT_EQ(state().coupHistory.numberAt(3), v0);
}

TEST_F(SpinCycle, The32000thCoupShowsInfo2FirstAndIsStillCountedOnce) {
    start();
    state().statistics.StatHowOften[TotalSlot] = HistoryLimit - 2;
    SuperShortGameOn(game, 0);
    SpieltimerTick(game);
    EXPECT_TRUE(host.messages.empty());
    std::uint16_t countedWhileShown = 0;
    host.whileShowing = [&](const MessageBoxData&) {
        countedWhileShown = state().statistics.StatHowOften[TotalSlot];
    };
    SpieltimerTick(game);
    EXPECT_EQ(host.numbersOf(MessageKind::Info), (std::vector<int>{2}));
    EXPECT_EQ(countedWhileShown, HistoryLimit - 1) << "the warning comes before the count";
    EXPECT_FALSE(state().superShortRunning());
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], HistoryLimit);
    playCoup();
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(state().statistics.StatHowOften[TotalSlot], HistoryLimit);
}

TEST_F(SpinCycle, EachPlayersCourseRecordsStakeNetResultAndRunningSum) {
    state().settings.WinPiecesToProfit = false; // a won stake stays on the table
    start();
    const auto coupOn = [&](int number) {
        ASSERT_EQ(PickManualNumber(state(), number), NumberPick::Picked);
        playCoup();
    };
    stake(1, "EC03", 10); // red
    coupOn(1);
    coupOn(3); // nothing staked; the stake that stayed goes back before the ball runs
    EXPECT_EQ(state().player(1).Capital, 1010);
    stake(1, "EC03", 10);
    coupOn(2); // black

    const auto course = playerCourse(state(), 1);
    ASSERT_EQ(course.size(), 3u);
    EXPECT_EQ(course[0].stake, 10);
    EXPECT_EQ(course[0].net, 10) << "the won stake stayed on the table: it was not lost";
    EXPECT_EQ(course[0].cumulative, 10);
    EXPECT_EQ(course[1].stake, 0);
    EXPECT_EQ(course[1].net, 0);
    EXPECT_EQ(course[1].cumulative, 10);
    EXPECT_EQ(course[2].stake, 10);
    EXPECT_EQ(course[2].net, -10);
    EXPECT_EQ(course[2].cumulative, 0);
    EXPECT_EQ(state().player(1).TotalStaked, 20);
    EXPECT_EQ(state().player(1).CoupsWithStake, 2);
    EXPECT_EQ(state().SpielerStatPos, 3);
    EXPECT_EQ(playerCourse(state(), 2).size(), 3u);
}

TEST_F(SpinCycle, TheStatusBarsGoNeutralAfterTheCoupExceptInTheSuperShortGame) {
    start();
    stake(1, "PL05", 1);
    ASSERT_EQ(PickManualNumber(state(), 5), NumberPick::Picked);
    playCoup();
    EXPECT_EQ(state().player(1).Capital, 1035);
    PlayerPanelView panel = playerPanel(state());
    EXPECT_EQ(panel.Text_Ba_Stat, TextKind::gkStatus);
    EXPECT_EQ(panel.players[0].statusKind, TextKind::gkAktiv);

    SuperShortGameOn(game, 0);
    SpieltimerTick(game);
    panel = playerPanel(state());
    EXPECT_EQ(panel.Text_Ba_Stat, TextKind::gkGewonnen);
    EXPECT_EQ(panel.players[0].statusKind, TextKind::gkFreeValue);
    SuperShortGameOff(game);
    EXPECT_EQ(playerPanel(state()).Text_Ba_Stat, TextKind::gkStatus);
}

TEST_F(SpinCycle, ThePlayersCoursesStopAt32000CoupsWhileTheGameGoesOn) {
    start();
    state().SpielerStatPos = HistoryLimit - 1;
    playCoup();
    playCoup();
    EXPECT_EQ(state().SpielerStatPos, HistoryLimit + 1);
    EXPECT_EQ(playerCourse(state(), 1).size(), static_cast<std::size_t>(HistoryLimit));
}

TEST_F(SpinCycle, ReplayBuysTheSameBetsAgainUntilTheCapitalRunsShort) {
    state().settings.ReplayStop = true;
    state().player(1).Capital = 35;
    start();
    stake(1, "PL00", 10);
    ASSERT_TRUE(ReplayClick(game));
    for (int coup = 1; coup <= 2; ++coup) {
        ASSERT_EQ(PickManualNumber(state(), 5), NumberPick::Picked);
        playCoup();
        EXPECT_EQ(state().player(1).BetSum, 10) << coup;
    }
    EXPECT_EQ(state().player(1).Capital, 5) << "35 - 10, then twice bought again";
    EXPECT_TRUE(host.messages.empty());

    ASSERT_EQ(PickManualNumber(state(), 5), NumberPick::Picked);
    playCoup();
    EXPECT_EQ(host.numbersOf(MessageKind::Warning), (std::vector<int>{18}));
    EXPECT_TRUE(state().player(1).ReplayRefused);
    EXPECT_EQ(state().player(1).BetSum, 0);
    EXPECT_EQ(state().player(1).Capital, 5);
}

TEST_F(SpinCycle, TheLastTournamentThrowShowsTheResultAndEndsReplayAndTheSuperShortGame) {
    host.setDate(2003, 10, 20, 3600 * 1000);
    start();
    state().TournamentActive = true;
    state().TournamentLeft = 2;
    state().ReplayOn = true;
    playCoup();
    EXPECT_TRUE(state().TournamentActive);
    EXPECT_TRUE(host.tournamentResults.empty());
    SuperShortGameOn(game, 0);
    SpieltimerTick(game);
    EXPECT_FALSE(state().TournamentActive);
    EXPECT_FALSE(state().ReplayOn);
    EXPECT_FALSE(state().superShortRunning());
    ASSERT_EQ(host.tournamentResults.size(), 1u);
    EXPECT_EQ(host.tournamentResults[0].pieces, state().player(1).Capital);
    EXPECT_EQ(host.tournamentsLost, 0);
}

TEST_F(SpinCycle, TheLastTournamentThrowLeavesNoUnpaidReplayBetsOnTheTable) {
    start();
    state().TournamentActive = true;
    state().TournamentLeft = 1;
    state().ReplayOn = true;
    stake(1, "PL17", 10);
    ASSERT_EQ(PickManualNumber(state(), 5), NumberPick::Picked);
    playCoup();
    EXPECT_FALSE(state().TournamentActive);
    EXPECT_EQ(state().player(1).Capital, 990) << "the lost stake is not bought again";
    EXPECT_EQ(state().player(1).BetSum, 0);
    EXPECT_FALSE(state().player(1).board.anyPlaced());
    EXPECT_TRUE(state().player(1).BetsHidden) << "offered for Rebet, as without Replay";
    state().CurrentPlayer = 1;
    ClearChips(game);
    EXPECT_EQ(state().player(1).Capital, 990) << "nothing to give back";
}

TEST_F(SpinCycle, ATournamentWithoutCapitalIsLostWithoutAResult) {
    start();
    state().TournamentActive = true;
    state().TournamentLeft = 10;
    state().player(1).Capital = 0;
    playCoup();
    EXPECT_EQ(host.tournamentsLost, 1);
    EXPECT_TRUE(host.tournamentResults.empty());
    EXPECT_FALSE(state().TournamentActive);
}

// A host whose n-th wait opens a dialog, as a menu command during the ball run would.
class DialogDuringTheRun : public RecordingHost {
public:
    void wait(int milliseconds) override {
        RecordingHost::wait(milliseconds);
        if (waits.size() == 10 && onTenthWait) {
            onTenthWait();
        }
    }
    std::function<void()> onTenthWait;
};

TEST(SpinCycleDialog, ADialogOpenedDuringTheBallRunKeepsTheGamePausedUntilItCloses) {
    DialogDuringTheRun host;
    Game game{host, 3};
    initialiseGameState(game.state(), {});
    loadStandardTable(game.state(), TableType::French);
    game.state().TimeBarLimit = 1;
    ASSERT_TRUE(StartGame(game));
    std::optional<DialogPause> dialog;
    host.onTenthWait = [&] { dialog.emplace(game); };
    SpieltimerTick(game);
    ASSERT_TRUE(SpieltimerTick(game));
    EXPECT_EQ(game.state().phase, TextKind::gkPause);
    EXPECT_FALSE(game.state().GameTimerOn);
    EXPECT_FALSE(SpieltimerTick(game));
    dialog.reset();
    EXPECT_EQ(game.state().phase, TextKind::gkMakeBet);
    EXPECT_TRUE(game.state().GameTimerOn);
}

} // namespace
} // namespace quendra
