// The example systems shipped in resources/SYSTEM: each played over a small load file, coup by
// coup, against the bets and results worked out by hand from what its header says; each already
// normalised, so the pre-check leaves it as it is; and each quiet over 1,000 random coups.
#include "support/SystemPlayGame.h"
#include "support/SystemTrial.h"

#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <string>
#include <vector>

namespace quendra {
namespace {

using testing::SystemPlayGame;

const std::filesystem::path Examples = QUENDRA_EXAMPLES_DIR;
const std::filesystem::path Fixtures = std::filesystem::path(QUENDRA_FIXTURES_DIR) / "examples";

using Bets = std::map<std::string, int>; // field code -> pieces on it

// One coup of the load file: the number it yields, the player's net result on it, and the
// bets that stand for the next coup.
struct Coup {
    int number;
    int net;
    Bets bets;
};

void expectBets(SystemPlayGame& g, const Bets& bets) {
    for (const auto& [code, pieces] : bets) {
        EXPECT_EQ(g.stakeOn(1, code), pieces) << code;
    }
    const int total = std::accumulate(bets.begin(), bets.end(), 0,
                                      [](int sum, const auto& bet) { return sum + bet.second; });
    EXPECT_EQ(g.player(1).BetSum, total) << "no bet beside the ones listed";
}

// Plays the example `name`.SYF over the fixture `name`.INP and checks every coup, the
// capital at the end (the last bets charged) and that no box was shown.
void play(SystemPlayGame& g, const std::string& name, const Bets& first,
          const std::vector<Coup>& coups, int endCapital) {
    g.loadPermanence(name + ".INP", testing::readFile(Fixtures / (name + ".INP")));
    g.activate(1, g.writeSystem(name + ".SYF", testing::readFile(Examples / (name + ".SYF"))));
    expectBets(g, first);
    for (std::size_t i = 0; i < coups.size(); ++i) {
        SCOPED_TRACE("coup " + std::to_string(i + 1));
        EXPECT_EQ(g.coup(), coups[i].number);
        EXPECT_EQ(g.player(1).CoupNet, coups[i].net);
        expectBets(g, coups[i].bets);
    }
    EXPECT_EQ(g.player(1).Capital, endCapital);
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    EXPECT_TRUE(g.host.messages.empty()) << "first box: " << g.host.messages.front().text;
}

TEST(ExampleSystems, MartingaleDoublesOnRedUpTo64PiecesAndThenStartsAgainWithOne) {
    SystemPlayGame g;
    play(g, "MARTINGALE", {{"EC03", 1}},
         {{3, 1, {{"EC03", 1}}},
          {2, -1, {{"EC03", 2}}},
          {4, -2, {{"EC03", 4}}},
          {5, 4, {{"EC03", 1}}},
          {6, -1, {{"EC03", 2}}},
          {8, -2, {{"EC03", 4}}},
          {10, -4, {{"EC03", 8}}},
          {11, -8, {{"EC03", 16}}},
          {13, -16, {{"EC03", 32}}},
          {15, -32, {{"EC03", 64}}},
          {17, -64, {{"EC03", 1}}}, // 128 would pass the ceiling
          {19, 1, {{"EC03", 1}}},
          {20, -1, {{"EC03", 2}}}},
         1000 + 1 - 1 - 2 + 4 - 127 + 1 - 1 - 2);
}

TEST(ExampleSystems, DAlembertRisesByOneOnBlackAndStartsAfreshAtTheLossLimit) {
    SystemPlayGame g;
    play(g, "DALEMBERT", {{"EC04", 1}},
         {{2, 1, {{"EC04", 1}}}, // one piece less, but never below one
          {3, -1, {{"EC04", 2}}},
          {4, 2, {{"EC04", 1}}},
          {1, -1, {{"EC04", 2}}},
          {5, -2, {{"EC04", 3}}},
          {7, -3, {{"EC04", 4}}},
          {9, -4, {{"EC04", 5}}},
          {12, -5, {{"EC04", 6}}},
          {14, -6, {{"EC04", 7}}}, // 981: one piece above the limit of 980
          {16, -7, {{"EC04", 1}}}, // 974: the limit resets silently
          {18, -1, {{"EC04", 2}}}, // the new attack's limit is 954
          {20, 2, {{"EC04", 1}}}},
         1000 + 1 - 1 + 2 - 28 - 1 + 2 - 1);
}

TEST(ExampleSystems, FibonacciClimbsOnLossFallsTwoStepsOnWinAndRestartsPastItsTopStep) {
    SystemPlayGame g;
    play(g, "FIBONACCI", {{"EC06", 1}},
         {{5, -1, {{"EC06", 1}}},
          {7, -1, {{"EC06", 2}}},
          {9, -2, {{"EC06", 3}}},
          {12, -3, {{"EC06", 5}}},
          {20, 5, {{"EC06", 2}}},
          {25, 2, {{"EC06", 1}}},
          {1, -1, {{"EC06", 1}}},
          {2, -1, {{"EC06", 2}}},
          {3, -2, {{"EC06", 3}}},
          {4, -3, {{"EC06", 5}}},
          {6, -5, {{"EC06", 8}}},
          {8, -8, {{"EC06", 13}}},
          {10, -13, {{"EC06", 21}}},
          {11, -21, {{"EC06", 1}}}, // past the top step: back to the start step
          {30, 1, {{"EC06", 1}}}},
         1000 - 1 - 1 - 2 - 3 + 5 + 2 - 54 + 1 - 1);
    EXPECT_EQ(g.player(1).system.RiseStep[1], 1);
    EXPECT_EQ(g.player(1).system.Counters[1], 0);
}

TEST(ExampleSystems, DozensPlaysTheDozensOfTheLastTwoCoupsAndWatchesAgainAfterZero) {
    SystemPlayGame g;
    play(g, "DOZENS", {},
         {{5, 0, {}},
          {14, 0, {{"DZ01", 1}, {"DZ02", 1}}},
          {30, -2, {{"DZ02", 1}, {"DZ03", 1}}},
          {25, 1, {{"DZ03", 2}}},
          {0, -2, {}},
          {7, 0, {}},
          {36, 0, {{"DZ01", 1}, {"DZ03", 1}}},
          {2, 1, {{"DZ01", 1}, {"DZ03", 1}}}},
         1000 - 2 + 1 - 2 + 1 - 2);
}

TEST(ExampleSystems, NeighboursPlaysARepeaterWithItsTwoWheelNeighbours) {
    SystemPlayGame g;
    play(g, "NEIGHBOURS", {},
         {{17, 0, {}},
          {5, 0, {}},
          {17, 0, {{"PL25", 1}, {"PL17", 1}, {"PL34", 1}}},
          {34, 33, {}},
          {34, 0, {{"PL17", 1}, {"PL34", 1}, {"PL06", 1}}},
          {6, 33, {}},
          {6, 0, {{"PL34", 1}, {"PL06", 1}, {"PL27", 1}}},
          {0, -3, {}},
          {0, 0, {{"PL26", 1}, {"PL00", 1}, {"PL32", 1}}}},
         1000 + 33 + 33 - 3 - 3);
}

TEST(ExampleSystems, DayResetPlaysRedUntilTheDaysFirstWinOrFourthLossAndAgainNextDay) {
    SystemPlayGame g;
    play(g, "DAYRESET", {{"EC03", 1}},
         {{2, -1, {{"EC03", 2}}},
          {4, -2, {{"EC03", 4}}},
          {3, 4, {}}, // the day's win
          {5, 0, {}},
          {6, 0, {}},
          {8, 0, {{"EC03", 1}}}, // a new day
          {10, -1, {{"EC03", 2}}},
          {11, -2, {{"EC03", 4}}},
          {13, -4, {{"EC03", 8}}},
          {15, -8, {}}, // the fourth loss
          {17, 0, {}},
          {1, 0, {{"EC03", 1}}}},
         1000 + 1 - 15 - 1);
}

TEST(ExampleSystems, EachIsNormalisedAndRuns1000RandomCoupsWithoutAnyMessage) {
    for (const char* name :
         {"MARTINGALE", "DALEMBERT", "FIBONACCI", "DOZENS", "NEIGHBOURS", "DAYRESET"}) {
        SCOPED_TRACE(name);
        const std::string text = testing::readFile(Examples / (std::string(name) + ".SYF"));
        SystemPlayGame g;
        const testing::SystemTrial trial =
            testing::trySystem(g, std::string(name) + ".SYF", text, 1000);
        EXPECT_EQ(trial.check.error, SystemFileError::None) << "line " << trial.check.line;
        EXPECT_FALSE(trial.check.changed);
        EXPECT_TRUE(trial.placedBets);
        EXPECT_TRUE(trial.boxes.empty()) << "first box: " << trial.boxes.front().text;
        EXPECT_TRUE(trial.stillActive);
        EXPECT_EQ(trial.fileAfter, text) << "the run left the file as it was";
    }
}

} // namespace
} // namespace quendra
