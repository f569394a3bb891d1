// Many sessions: the per-session seeds, the runner on several threads, the outcome of a session
// for its player, the figures of a batch and the merge of parts of a batch.
#include "game/GameCommands.h"
#include "game/StartUp.h"
#include "sessions/GameSessions.h"
#include "sessions/ResultHistogram.h"
#include "sessions/SessionFigures.h"
#include "sessions/SessionHost.h"
#include "sessions/SessionMerge.h"
#include "sessions/SessionRunner.h"
#include "sessions/SystemtestView.h"
#include "support/BetTable.h"
#include "support/TempFolder.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/SystemTurn.h"

#include <gtest/gtest.h>
#include <set>

namespace quendra {
namespace {

using testing::loadStandardTable;
using testing::TempFolder;

// A one-player game of capital 1000 on the French table whose player plays `system`, by default
// without the zero rule, so that every stake is won or lost in its coup.
class SessionGames {
public:
    explicit SessionGames(std::string_view system, bool zeroRule = false)
        : system_(folder_.write("SYSTEM/S.SYF", system).string()), zeroRule_(zeroRule) {}

    SessionGameFactory factory() const {
        return [this](Host& host, std::uint64_t seed) {
            auto game = std::make_unique<Game>(host, seed);
            GameState& state = game->state();
            initialiseGameState(state, folder_.path());
            loadStandardTable(state, TableType::French);
            state.settings.PlayerCount = 1;
            state.settings.ZeroHandling = zeroRule_;
            state.player(1).Capital = state.player(1).StartCapital = 1000;
            installSystemPlay(*game);
            StartGame(*game);
            SystemPlayMenu menu = OpenSystemPlayMenu(*game);
            SystemFileChosen(*game, menu, 1, system_);
            SystemfilemenuOKClick(*game, menu);
            SystemSetTimerTick(*game);
            return game;
        };
    }

    static SessionBatch batch(std::uint64_t count, std::int64_t coups, std::uint64_t first = 0) {
        SessionBatch b;
        b.seed = 77;
        b.first = first;
        b.count = count;
        b.coups = coups;
        b.goal = 1010;
        b.startCapitals = {1000};
        b.systemPlayers = {true};
        return b;
    }

private:
    TempFolder folder_;
    std::string system_;
    bool zeroRule_;
};

constexpr std::string_view FlatRed = "AL:\r\nSZ EI1(1), EC03;\r\n";
// Doubles on red after every loss, up to 32 pieces, then stops with message 51.
constexpr std::string_view DoublingOnRed =
    "ST:\r\nSZ STMAX(E,V(200));\r\nSZ ST1(1,2,4,8,16,32);\r\n"
    "SZ EI1(ST1(1)), EC03;\r\nGW:\r\nSZ EI1(ST1(1)), EC03;\r\n"
    "VE:\r\nSZ EI1(ST1(+1)), EC03;\r\n";

SessionRunControl threads(int count) {
    SessionRunControl control;
    control.threads = count;
    return control;
}

TEST(SessionSeed, EverySessionOfEveryBatchHasASeedOfItsOwn) {
    std::set<std::uint64_t> seeds;
    for (std::uint64_t seed : {0u, 1u, 2u}) {
        for (std::uint64_t index = 0; index < 1000; ++index) {
            seeds.insert(sessionSeed(seed, index));
        }
    }
    EXPECT_EQ(seeds.size(), 3000u);
    EXPECT_EQ(sessionSeed(42, 7), sessionSeed(42, 7));
}

TEST(SessionRunner, TheRecordsAreTheSameForAnyNumberOfThreadsAndForASessionPlayedAlone) {
    const SessionGames games(DoublingOnRed);
    const SessionBatch batch = SessionGames::batch(24, 60, 100);
    const SessionRun one = runSessions(batch, games.factory(), threads(1));
    ASSERT_EQ(one.sessions.size(), 24u);
    EXPECT_EQ(one.sessions.front().index, 100u);
    EXPECT_EQ(one.sessions.back().index, 123u);
    for (int t : {2, 4}) {
        EXPECT_EQ(runSessions(batch, games.factory(), threads(t)), one) << t << " threads";
    }
    EXPECT_EQ(playSession(batch, games.factory(), 117), one.sessions[17]);

    std::set<std::int64_t> results;
    for (const SessionRecord& record : one.sessions) {
        EXPECT_EQ(record.coups, 60);
        EXPECT_EQ(record.error, 0);
        results.insert(record.players[0].result);
    }
    EXPECT_GT(results.size(), 3u) << "the sessions differ from each other";
}

TEST(SessionRunner, ACancelledRunKeepsTheSessionsFinishedInOrder) {
    const SessionGames games(FlatRed);
    std::atomic<bool> cancel{false};
    SessionRunControl control = threads(2);
    control.cancel = &cancel;
    std::atomic<std::uint64_t> started{0};
    const SessionGameFactory factory = [&, inner = games.factory()](Host& host,
                                                                    std::uint64_t seed) {
        if (++started == 5) {
            cancel = true;
        }
        return inner(host, seed);
    };
    const SessionRun run = runSessions(SessionGames::batch(1000, 5), factory, control);
    EXPECT_LT(run.sessions.size(), 1000u);
    EXPECT_GE(run.sessions.size(), 4u);
    for (std::size_t i = 1; i < run.sessions.size(); ++i) {
        EXPECT_LT(run.sessions[i - 1].index, run.sessions[i].index);
    }
}

TEST(SessionOutcome, ADoublingIsStoppedByMessage51AndItsCourseGivesRuinAndGoal) {
    const SessionGames games(DoublingOnRed);
    const SessionRun run = runSessions(SessionGames::batch(400, 200), games.factory(), threads(2));
    int stopped = 0;
    for (const SessionRecord& record : run.sessions) {
        const PlayerSession& p = record.players[0];
        SCOPED_TRACE(record.index);
        EXPECT_LE(p.minimum, std::min<std::int64_t>(p.result, 0));
        EXPECT_GE(p.maximum, std::max<std::int64_t>(p.result, 0));
        EXPECT_EQ(p.goalReached, p.maximum >= 10);
        EXPECT_FALSE(p.ruined) << "a capital of 1000 pays every stake up to 32";
        if (p.stopMessage != 0) {
            EXPECT_EQ(p.stopMessage, 51);
            EXPECT_LE(p.result, p.maximum - 63) << "1+2+4+8+16+32 lost in a row";
            ++stopped;
        }
    }
    EXPECT_GT(stopped, 0);
    EXPECT_LT(stopped, 400);
}

TEST(SessionOutcome, TheCapitalBelowTheNextStakeIsRuin) {
    // A piece on red every coup from a capital of 3: the player is ruined once he has lost 3
    // more than he won, and plays on below zero as the game lets a system player do.
    const SessionGames games(FlatRed);
    SessionBatch batch = SessionGames::batch(200, 40);
    batch.startCapitals = {3};
    const auto factory = [inner = games.factory()](Host& host, std::uint64_t seed) {
        auto game = inner(host, seed);
        game->state().player(1).Capital -= 997;
        game->state().player(1).StartCapital = 3;
        return game;
    };
    const SessionRun run = runSessions(batch, factory, threads(2));
    int ruined = 0;
    for (const SessionRecord& record : run.sessions) {
        const PlayerSession& p = record.players[0];
        SCOPED_TRACE(record.index);
        EXPECT_EQ(p.ruined, p.minimum <= -3);
        EXPECT_EQ(p.turnover, 40);
        ruined += p.ruined ? 1 : 0;
    }
    EXPECT_GT(ruined, 0);
    EXPECT_LT(ruined, 200);
}

TEST(SessionFigures, QuantilesInterpolateBetweenTheNearestRanks) {
    const std::vector<std::int64_t> values{-10, 0, 10, 40};
    struct Case {
        double p;
        double expected;
    } cases[] = {{0.0, -10}, {1.0, 40}, {0.5, 5}, {0.25, -2.5}, {0.99, 39.1}};
    for (const Case& c : cases) {
        EXPECT_NEAR(quantile(values, c.p), c.expected, 1e-9) << c.p;
    }
    EXPECT_EQ(quantile(std::vector<std::int64_t>{7}, 0.05), 7.0);
    EXPECT_EQ(quantile({}, 0.5), 0.0);
}

TEST(SessionFigures, TheEdgeIsResultOverTurnoverWithTheIntervalOfItsScatter) {
    // Edge −4/40 = −0.1; residuals r − e·t: −2+1 = −1, 0+1 = 1, −2+2 = 0 → variance 1, error
    // sqrt(1/3) / (40/3).
    const std::vector<PlayerSession> sessions{{-2, 10}, {0, 10}, {-2, 20}};
    const auto edge = observedEdge(sessions);
    ASSERT_TRUE(edge);
    EXPECT_DOUBLE_EQ(edge->edge, -0.1);
    const double error = std::sqrt(1.0 / 3.0) / (40.0 / 3.0);
    EXPECT_NEAR(edge->low, -0.1 - 1.959964 * error, 1e-6);
    EXPECT_NEAR(edge->high, -0.1 + 1.959964 * error, 1e-6);

    EXPECT_FALSE(observedEdge(std::vector<PlayerSession>{{0, 0}, {0, 0}}));
    EXPECT_DOUBLE_EQ(tableExpectation(false), -1.0 / 37.0);
    EXPECT_DOUBLE_EQ(tableExpectation(true), -2.0 / 38.0);
}

TEST(SessionFigures, ASystemThatNeverBetsHasNoTurnoverAndNoEdge) {
    const SessionGames games("AL:\r\nSZ CO01(1);\r\n");
    const SessionRun run = runSessions(SessionGames::batch(20, 30), games.factory(), threads(2));
    const PlayerFigures f = sessionFigures(run).at(0);
    EXPECT_EQ(f.sessions, 20u);
    EXPECT_EQ(f.turnover, 0);
    EXPECT_FALSE(f.edge);
    EXPECT_EQ(f.mean, 0.0);
    EXPECT_EQ(f.standardDeviation, 0.0);
    EXPECT_EQ(f.percentiles, decltype(f.percentiles){});
    EXPECT_EQ(f.ruinedShare, 0.0);
    EXPECT_EQ(f.goalShare, 0.0);
    EXPECT_TRUE(f.stopShares.empty());
}

TEST(SessionFigures, OnePieceOnRedShowsTheTablesEdgeWithinItsInterval) {
    // Without the zero rule a piece on an even chance loses 1/37 on average.
    const SessionGames games(FlatRed);
    const SessionRun run = runSessions(SessionGames::batch(4000, 100), games.factory(), threads(2));
    const PlayerFigures f = sessionFigures(run).at(0);
    EXPECT_EQ(f.turnover, 400'000);
    EXPECT_DOUBLE_EQ(f.meanStakePerCoup, 1.0);
    ASSERT_TRUE(f.edge);
    EXPECT_LE(f.edge->low, -1.0 / 37.0);
    EXPECT_GE(f.edge->high, -1.0 / 37.0);
    EXPECT_LT(f.edge->high - f.edge->low, 0.01) << "400,000 pieces pin the edge down";
    EXPECT_NEAR(f.mean, 100.0 * f.edge->edge, 1e-9);
}

TEST(SessionMerge, PartsMergeIntoTheWholeRunAndMismatchesAreRefused) {
    const SessionGames games(DoublingOnRed);
    const SessionRun whole = runSessions(SessionGames::batch(12, 40), games.factory(), threads(2));
    std::vector<SessionRun> parts;
    for (std::uint64_t first : {8u, 0u, 4u}) {
        parts.push_back(
            runSessions(SessionGames::batch(4, 40, first), games.factory(), threads(1)));
    }
    const auto merged = mergeSessionRuns(parts);
    ASSERT_TRUE(std::holds_alternative<SessionRun>(merged));
    EXPECT_EQ(std::get<SessionRun>(merged), whole);

    struct Case {
        const char* name;
        std::vector<SessionRun> parts;
        std::string reason;
    };
    SessionRun otherGoal = parts[1];
    otherGoal.batch.goal = 2000;
    SessionRun cut = parts[2];
    cut.sessions.pop_back();
    const Case cases[] = {
        {"gap", {parts[0], parts[1]}, "sessions 4-7 are missing"},
        {"overlap", {parts[1], parts[1]}, "sessions 0-3 overlap an earlier part"},
        {"options",
         {parts[0], otherGoal},
         "the part of sessions 0-3 was played with other options than the part of sessions 8-11"},
        {"incomplete", {parts[0], cut}, "the part of sessions 4-7 is incomplete"},
        {"nothing", {}, "nothing to merge"},
    };
    for (const Case& c : cases) {
        const auto result = mergeSessionRuns(c.parts);
        ASSERT_TRUE(std::holds_alternative<std::string>(result)) << c.name;
        EXPECT_EQ(std::get<std::string>(result), c.reason) << c.name;
    }
}

TEST(ResultHistogram, BinsOfEqualWholeWidthFromTheLowestToTheHighestResult) {
    SessionRun run;
    for (const std::int64_t result : {-7, -7, 0, 3, 12}) {
        run.sessions.push_back({0, 0, 10, 0, {{}, {result, 10}}});
    }
    struct Case {
        int mostBins;
        std::int64_t width;
        std::vector<std::uint64_t> counts;
    } cases[] = {
        {4, 5, {2, 1, 1, 1}}, // -7…-3, -2…2, 3…7, 8…12
        {20, 1, {2, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
        {1, 20, {5}},
    };
    for (const Case& c : cases) {
        const ResultHistogram h = resultHistogram(run, 2, c.mostBins);
        EXPECT_EQ(h.low, -7) << c.mostBins;
        EXPECT_EQ(h.width, c.width) << c.mostBins;
        EXPECT_EQ(h.counts, c.counts) << c.mostBins;
    }
    EXPECT_DOUBLE_EQ(resultHistogram(run, 2, 4).position(0.0), 1.4);
    EXPECT_TRUE(resultHistogram(SessionRun{}, 1, 4).counts.empty());
}

TEST(SystemtestView, TheFiguresARowEachAndTheMarkedBinsOfTheHistogram) {
    SessionRun run;
    run.batch.goal = 1010;
    run.batch.startCapitals = {1000};
    run.batch.systemPlayers = {true};
    // result, turnover, minimum, maximum, ruined, goal reached, stop message
    run.sessions = {{0, 0, 10, 0, {{-20, 20, -20, 0, true, false, 51}}},
                    {1, 0, 10, 0, {{10, 10, 0, 10, false, true, 0}}},
                    {2, 0, 10, 0, {{-1, 10, -5, 3, false, false, 0}}},
                    {3, 0, 10, 0, {{19, 40, -2, 20, false, true, 0}}}};
    std::vector<std::string> captions, cells;
    for (const FigureRow& row : figureRows(run, Language::English)) {
        captions.push_back(row.caption);
        ASSERT_EQ(row.cells.size(), 1u);
        cells.push_back(row.cells[0]);
    }
    EXPECT_EQ(captions,
              (std::vector<std::string>{"Sessions", "Mean", "Standard deviation", "1 %", "5 %",
                                        "25 %", "50 %", "75 %", "95 %", "99 %", "Ruined",
                                        "Goal reached", "Stopped by message 51", "Stake per coup",
                                        "Observed edge", "95 % interval", "Table's expectation"}));
    EXPECT_EQ(cells[0], "4");
    EXPECT_EQ(cells[1], "2.00");
    EXPECT_EQ(cells[10], "25.00 %");
    EXPECT_EQ(cells[11], "50.00 %");
    EXPECT_EQ(cells[12], "25.00 %");
    EXPECT_EQ(cells[13], "2.000");
    EXPECT_EQ(cells[14], "0.10000");
    EXPECT_EQ(figureRows(run, Language::German)[12].caption, "Gestoppt durch Meldung 51");

    // Bins of 5 from -20. Marked: -20…-16 (1 % and 5 % points), -10…-6 (25 %: -5.75), 0…4 (zero,
    // 50 %: 4.5), 10…14 (the goal 1010 − 1000, 75 %: 12.25), 15…19 (95 %, 99 %).
    const HistogramView view = histogramView(run, 1, 8);
    EXPECT_EQ(view.labels,
              (std::vector<std::string>{"-20", "-15", "-10", "-5", "0", "5", "10", "15"}));
    EXPECT_EQ(view.counts, (std::vector<double>{1, 0, 0, 1, 0, 0, 1, 1}));
    EXPECT_EQ(view.marks, (std::vector<double>{1, 0, 1, 0, 1, 0, 1, 1}));
}

TEST(GameSessions, SessionsTakeTheSettingsAndSystemFilesOfTheGame) {
    TempFolder home;
    home.copyWheelFiles();
    ensureWorkFolders(home.path());
    GameState state;
    initialiseGameState(state, home.path());
    state.settings.PlayerCount = 2;
    state.settings.InitialCapital = 500;
    state.settings.FrenchTable = false;
    state.settings.ZeroHandling = false;
    state.player(2).sys.SystemFile = home.write("SYSTEM/FLAT.SYF", FlatRed).string();
    const GameSessionSetup setup = gameSessionSetup(state);
    EXPECT_EQ(setup.settings.read(SettingsSection, "JHSTAVAR"), "0");

    SessionHost host(std::chrono::sys_days{});
    const auto first = gameSessions(setup)(host, 1);
    ASSERT_TRUE(first);
    SessionBatch given;
    given.count = 6;
    given.coups = 20;
    const SessionBatch batch = describeBatch(*first, given);
    EXPECT_TRUE(batch.americanTable);
    EXPECT_EQ(batch.startCapitals, (std::vector<std::int64_t>{500, 500}));
    EXPECT_EQ(batch.systemPlayers, (std::vector<bool>{false, true}));

    const SessionRun run = runSessions(batch, gameSessions(setup), threads(2));
    for (const SessionRecord& record : run.sessions) {
        EXPECT_EQ(record.error, 0);
        EXPECT_EQ(record.players[0].turnover, 0);
        EXPECT_EQ(record.players[1].turnover, 20);
    }
}

} // namespace
} // namespace quendra
