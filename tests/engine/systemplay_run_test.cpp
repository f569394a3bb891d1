// The run of a system per coup, through the spin cycle: the worked example over a load file,
// the start section's rules, the sections chosen by the coup's result, the carry-over into the
// argument table, the events of the abort settings, the restart reset and the file checks.
#include "support/SystemPlayGame.h"
#include "systemplay/SystemMessages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quendra {
namespace {

using testing::SystemPlayGame;

const std::string WorkedExample = "(* doubling on red *)\r\n"
                                  "ST:\r\n"
                                  "SZ STMAX(E,V(200));\r\n"
                                  "SZ ST1(1,2,4,8,16,32);\r\n"
                                  "SZ EI1(ST1(1)), EC03;\r\n"
                                  "GW:\r\n"
                                  "SZ EI1(ST1(1)), EC03;\r\n"
                                  "VE:\r\n"
                                  "SZ EI1(ST1(+1)), EC03;\r\n";

constexpr int Red = 3;
constexpr int OtherRed = 5;
constexpr int Black = 2;

std::string replaced(std::string text, const std::string& from, const std::string& to) {
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(SystemRun, TheWorkedExampleDoublesOnRedOverALoadFileUntilLetterEStopsIt) {
    SystemPlayGame g;
    g.loadPermanence("worked_example.INP",
                     testing::readFile(std::filesystem::path(QUENDRA_FIXTURES_DIR) / "systemplay" /
                                       "worked_example.INP"));
    g.activate(1, g.fixtureSystem("worked_example.SYF"));
    // The first run executes the start section only; its bet stands for the first spin.
    EXPECT_TRUE(g.player(1).StartDone);
    EXPECT_EQ(g.player(1).system.RiseStep[1], 1);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 1);

    struct Row {
        int number;
        int net;
        int step;
        int stake;
    };
    const Row rows[] = {{3, 1, 1, 1},   {2, -1, 2, 2},   {4, -2, 3, 4},
                        {5, 4, 1, 1},   {6, -1, 2, 2},   {8, -2, 3, 4},
                        {10, -4, 4, 8}, {11, -8, 5, 16}, {13, -16, 6, 32}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.number);
        EXPECT_EQ(g.coup(), row.number);
        EXPECT_EQ(g.player(1).CoupNet, row.net);
        EXPECT_EQ(g.player(1).system.RiseStep[1], row.step);
        EXPECT_EQ(g.stakeOn(1, "EC03"), row.stake);
        EXPECT_EQ(g.player(1).BetSum, row.stake);
    }
    EXPECT_TRUE(g.systemMessages().empty());

    // The sixth loss in a row: the forward step passes the table's maximum.
    EXPECT_EQ(g.coup(), 15);
    EXPECT_EQ(g.systemMessages(), std::vector<int>{SystemMessage::StmaxReached});
    EXPECT_EQ(g.host.messages.back().text, "Abbruch bei Spieler1:\r STmax wurde erreicht!");
    EXPECT_FALSE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.player(1).BetSum, 0) << "a stopped run places nothing";
    EXPECT_EQ(g.player(1).Capital, 1000 + 1 - 1 - 2 + 4 - 1 - 2 - 4 - 8 - 16 - 32);
}

TEST(SystemRun, TheLossLimitStopsTheRunWhoseCapitalIsTwoHundredBelowTheFirstRun) {
    SystemPlayGame g;
    // Without E the table stays at its last step (32 pieces).
    g.activate(1, g.writeSystem("V200.SYF", replaced(WorkedExample, "E,", "")));
    const int losses[] = {1, 2, 4, 8, 16, 32, 32, 32, 32, 32};
    int lost = 0;
    for (int loss : losses) {
        g.coup(Black);
        lost += loss;
        // The capital before the run, less the stake the run placed.
        ASSERT_EQ(g.player(1).Capital + g.player(1).BetSum, 1000 - lost);
        ASSERT_TRUE(g.player(1).sys.SystemActive) << "lost " << lost;
    }
    g.coup(Black); // 223 lost: the capital before the next run is 777 <= 1000 - 200
    EXPECT_EQ(g.systemMessages(), std::vector<int>{SystemMessage::LossLimit});
    EXPECT_FALSE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.player(1).BetSum, 0);
}

TEST(SystemRun, AStartSectionRunsAloneAndOnEveryCoupWhenItIsTheLastSection) {
    SystemPlayGame g(2);
    // Player 1: only a start section, followed by an empty always section: bets only once.
    g.activate(1, g.writeSystem("ONCE.SYF", "ST:\r\nSZ EI1(1), EC03;\r\nAL:\r\n"));
    // Player 2: the start section is the last one: it never ends and resets every coup.
    g.activate(2, g.writeSystem("LAST.SYF", "AL:\r\nSZ CO01(+1);\r\nST:\r\nSZ EI1(2), "
                                            "EC04;\r\nSZ CO02(+1);\r\n"));
    EXPECT_EQ(g.stakeOn(1, "EC03"), 1);
    EXPECT_EQ(g.stakeOn(2, "EC04"), 2);
    for (int coup = 0; coup < 3; ++coup) {
        g.coup(Red);
        EXPECT_EQ(g.stakeOn(1, "EC03"), 0);
        EXPECT_TRUE(g.player(1).StartDone);
        EXPECT_FALSE(g.player(2).StartDone);
        EXPECT_EQ(g.stakeOn(2, "EC04"), 2);
        // The always section above counts, the start section's reset clears it again.
        EXPECT_EQ(g.player(2).system.Counters[1], 0);
        EXPECT_EQ(g.player(2).system.Counters[2], 1);
    }
}

TEST(SystemRun, WaitingCoupsEndTheStartSectionAfterItsFirstLineForThreeRuns) {
    SystemPlayGame g;
    g.activate(1, g.writeSystem("WAIT.SYF", "ST:\r\nSZ STMAX(I(3));\r\nSZ EI1(1), EC03;\r\n"
                                            "AL:\r\nSZ EI1(1), EC04;\r\n"));
    for (int run = 1; run <= 3; ++run) {
        SCOPED_TRACE(run);
        EXPECT_FALSE(g.player(1).StartDone);
        EXPECT_EQ(g.player(1).BetSum, 0);
        g.coup(Red);
    }
    // The fourth run executes the whole start section, and no other.
    EXPECT_TRUE(g.player(1).StartDone);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 1);
    EXPECT_EQ(g.stakeOn(1, "EC04"), 0);
    g.coup(Red);
    EXPECT_EQ(g.stakeOn(1, "EC04"), 1);
}

TEST(SystemRun, TheCoupsResultChoosesTheWinOrTheLossSectionAndAnEvenCoupNeither) {
    SystemPlayGame g;
    g.activate(1, g.writeSystem("SECTIONS.SYF", "ST:\r\nSZ EI1(1), EC03, EC04;\r\n"
                                                "GW:\r\nSZ CO01(+1), EC03;\r\n"
                                                "VE:\r\nSZ CO02(+1), EC03, EC04;\r\n"));
    g.coup(Red); // red wins one and loses one: no net result
    EXPECT_EQ(g.player(1).CoupNet, 0);
    EXPECT_EQ(g.player(1).system.Counters[1], 0);
    EXPECT_EQ(g.player(1).system.Counters[2], 0);
    EXPECT_EQ(g.player(1).BetSum, 0);
    // Without a bet there is no result either, so nothing more is ever placed.
    g.coup(Red);
    EXPECT_EQ(g.player(1).BetSum, 0);
}

TEST(SystemRun, SectionsPassedOverEndAtTheirNextLabelOrBreakWhereverTheyRecur) {
    SystemPlayGame g;
    // A loss section between two win sections, a colon in a comment that breaks the second win
    // section (the lines up to the next label are passed over), and the always section last.
    g.activate(1, g.writeSystem("RECUR.SYF", "ST:\r\nSZ EI1(1), EC03;\r\n"
                                             "GW:\r\nSZ CO01(+1);\r\nSZ CO01(+1);\r\n"
                                             "VE:\r\nSZ CO02(+1);\r\n"
                                             "GW:\r\nSZ CO03(+1);\r\nSZ CO04(+1); (* note: *)\r\n"
                                             "SZ CO04(+1);\r\n"
                                             "AL:\r\nSZ CO05(+1), EI1(1), EC03;\r\n"));
    const auto counters = [&g] {
        const auto& c = g.player(1).system.Counters;
        return std::vector<int>{c[1], c[2], c[3], c[4], c[5]};
    };
    g.coup(Red);
    EXPECT_EQ(counters(), (std::vector<int>{2, 0, 1, 0, 1}));
    g.coup(Black);
    EXPECT_EQ(counters(), (std::vector<int>{2, 1, 1, 0, 2}));
    g.coup(Red);
    EXPECT_EQ(counters(), (std::vector<int>{4, 1, 2, 0, 3}));
}

TEST(SystemRun, InTheRealModeAmountsAreCurrencyUnitsAsTheyStand) {
    SystemPlayGame g;
    g.state().settings.ShowReal = true;
    g.state().settings.PieceValue = 5;
    g.activate(1, g.writeSystem("REAL.SYF", "ST:\r\nSZ STMAX(V(10)), EI1(3), EC03;\r\nAL:\r\n"
                                            "SZ EI1(3), EC03;\r\n"));
    EXPECT_EQ(g.stakeOn(1, "EC03"), 3);
    EXPECT_EQ(g.player(1).BetSum, 3);
    g.coup(Black);
    g.coup(Black);
    g.coup(Black);
    EXPECT_TRUE(g.systemMessages().empty()) << "9 lost: above the limit of 10";
    g.coup(Black);
    EXPECT_EQ(g.systemMessages(), std::vector<int>{SystemMessage::LossLimit});
}

TEST(SystemRun, TheArgumentTableHoldsExactlyTheBetsOfTheLastRunThatPlacedAny) {
    SystemPlayGame g;
    g.activate(1, g.writeSystem("AG.SYF", "ST:\r\nSZ CO01(1);\r\n"
                                          "AL:\r\nIF CO01(1) THEN SZ EI1(1), PL01, PL02, PL03, "
                                          "PL04, PL05;\r\n"
                                          "IF CO01(2) THEN SZ EI1(1), PL06, PL07, PL08;\r\n"
                                          "SZ CO01(+1);\r\n"));
    const auto& arguments = g.player(1).system.ArgumentTable;
    g.coup(Red);
    EXPECT_TRUE(g.systemMessages().empty());
    EXPECT_EQ(arguments.size(), 5u);
    g.coup(Red);
    EXPECT_EQ(arguments, (std::vector<std::string>{"PL06", "PL07", "PL08"}));
    g.coup(Red); // a run without bets keeps the last ones
    EXPECT_EQ(arguments, (std::vector<std::string>{"PL06", "PL07", "PL08"}));
}

TEST(SystemRun, MoreThanFiftyBetsCarryTheFirstFiftyOver) {
    std::string bets = "SZ EI1(1)";
    for (int n = 1; n <= 36; ++n) {
        bets += ", PL" + std::string(n < 10 ? "0" : "") + std::to_string(n);
    }
    SystemPlayGame g;
    g.activate(1, g.writeSystem("MANY.SYF", "ST:\r\nAL:\r\n" + bets + ";\r\n" + bets + ";\r\n"));
    g.coup(Red);
    EXPECT_EQ(g.player(1).system.CurrentActions.size(), 72u);
    EXPECT_EQ(g.player(1).system.ArgumentTable.size(), 50u);
    EXPECT_EQ(g.player(1).system.ArgumentTable.back(), "PL14");
}

TEST(SystemRun, RestartKeepsTheRunsBetsAndGivesTheOtherStakesOnTheTableBack) {
    SystemPlayGame g;
    g.activate(1, g.writeSystem("RESTART.SYF", "ST:\r\nSZ CO01(7);\r\n"
                                               "AL:\r\nSZ EI1(5), EC03;\r\n"
                                               "IF GZ IN EC03 THEN RESTART;\r\n"));
    g.coup(Black);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 5);
    // A stake that stays on the table after its win is the player's money.
    g.state().settings.WinPiecesToProfit = false;
    const std::int32_t before = g.player(1).Capital;
    g.coup(Red); // wins 5, the 5 stay; the run places 5 and restarts
    EXPECT_EQ(g.player(1).BetSum, 5) << "the staying stake went back, the new bet stands";
    EXPECT_EQ(g.stakeOn(1, "EC03"), 5);
    EXPECT_EQ(g.player(1).Capital, before + 5 + 5 - 5);
    EXPECT_FALSE(g.player(1).StartDone);
    g.coup(Black); // the start section runs again
    EXPECT_TRUE(g.player(1).StartDone);
    EXPECT_EQ(g.player(1).BetSum, 0);
}

struct LimitCase {
    const char* letters;
    std::vector<int> messages;
    bool active;
};

TEST(SystemRun, TheLossLimitStopsOrWithNRestartsSilently) {
    for (const LimitCase& c : {LimitCase{"V(100)", {SystemMessage::LossLimit}, false},
                               LimitCase{"V(100),N", {}, true}}) {
        SCOPED_TRACE(c.letters);
        SystemPlayGame g;
        g.activate(1, g.writeSystem("LOSS.SYF", "ST:\r\nSZ STMAX(" + std::string(c.letters) +
                                                    ");\r\nSZ EI1(50), EC03;\r\nAL:\r\n"
                                                    "SZ EI1(50), EC03;\r\n"));
        g.coup(Black);
        EXPECT_TRUE(g.systemMessages().empty());
        g.coup(Black); // 100 lost since the start section ran
        EXPECT_EQ(g.systemMessages(), c.messages);
        EXPECT_EQ(g.player(1).sys.SystemActive, c.active);
        if (c.active) {
            // The silent reset ran the start section in the same run, with a new reference.
            EXPECT_TRUE(g.player(1).StartDone);
            EXPECT_EQ(g.player(1).system.ReferenceCapital, 900);
            EXPECT_EQ(g.player(1).BetSum, 50);
        }
    }
}

TEST(SystemRun, ProfitAndCoupLimitsStopWithTheirMessages) {
    SystemPlayGame g(2);
    g.activate(
        1, g.writeSystem("PROFIT.SYF",
                         "ST:\r\nSZ STMAX(G(20)), EI1(10), EC03;\r\nAL:\r\nSZ EI1(10), EC03;\r\n"));
    g.activate(2, g.writeSystem("COUPS.SYF", "ST:\r\nSZ STMAX(C(10));\r\nAL:\r\nSZ CO01(+1);\r\n"));
    g.coup(Red);
    g.coup(Red); // player 1: 20 won
    EXPECT_EQ(g.systemMessages(), std::vector<int>{SystemMessage::ProfitLimit});
    EXPECT_FALSE(g.player(1).sys.SystemActive);
    for (int coup = 3; coup <= 9; ++coup) {
        g.coup(Red);
    }
    // Ten runs of player 2 so far: the start run and nine coups. The eleventh does not happen.
    EXPECT_TRUE(g.player(2).sys.SystemActive);
    EXPECT_EQ(g.player(2).system.Counters[1], 9);
    g.coup(Red);
    EXPECT_EQ(g.systemMessages(),
              (std::vector<int>{SystemMessage::ProfitLimit, SystemMessage::CoupLimit}));
    EXPECT_EQ(g.host.messages.back().text, "Abbruch bei Spieler2:\r Cupgrenze wurde erreicht!");
    EXPECT_FALSE(g.player(2).sys.SystemActive);
    EXPECT_EQ(g.player(2).system.Counters[1], 0) << "reset after the stop";
}

TEST(SystemRun, StopEndsTheSystemAndWithRAndAFollowFileSkipsToItInstead) {
    const std::string stop = "ST:\r\nSZ STMAX(R);\r\nAL:\r\nSZ EI1(1), EC03;\r\nIF GZ IN EC04 "
                             "THEN STOP;\r\n";
    {
        SystemPlayGame g;
        g.activate(1, g.writeSystem("STOP.SYF", stop));
        g.coup(Black);
        EXPECT_EQ(g.systemMessages(), std::vector<int>{SystemMessage::StopByUser});
        EXPECT_EQ(g.host.messages.back().title, "Systemspiel - Info - Abbruch");
        EXPECT_FALSE(g.player(1).sys.SystemActive);
        EXPECT_EQ(g.player(1).BetSum, 0);
    }
    SystemPlayGame g;
    g.state().settings.FollowLoadFiles[0] = g.folder.write("SYSIN/B.INP", "10\r\n12\r\n").string();
    g.loadPermanence("A.INP", "3\r\n2\r\n5\r\n7\r\n");
    g.activate(1, g.writeSystem("STOP.SYF", stop));
    g.coup();
    EXPECT_EQ(g.coup(), 2);
    EXPECT_TRUE(g.systemMessages().empty());
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 1) << "the run ended normally and placed its bets";
    EXPECT_FALSE(g.player(1).StartDone);
    EXPECT_EQ(g.coup(), 10) << "the rest of A.INP is skipped";
}

TEST(SystemRun, RiseMaximumUnderAOrSResetsAndShowsTheResetInformationOnlyWithP) {
    struct Case {
        const char* letters;
        std::vector<int> messages;
        bool startDone;
    };
    for (const Case& c :
         {Case{"A", {}, false}, Case{"A,P", {SystemMessage::CompleteStmaxReset}, false},
          Case{"S(ST1(CO05)),P", {SystemMessage::SingleStmaxReset}, true}}) {
        SCOPED_TRACE(c.letters);
        SystemPlayGame g;
        g.activate(1, g.writeSystem("MAX.SYF", "ST:\r\nSZ STMAX(" + std::string(c.letters) +
                                                   ");\r\nSZ ST1(1,2), CO05(4);\r\n"
                                                   "SZ EI1(ST1(1)), EC03;\r\n"
                                                   "AL:\r\nSZ CO05(+1), EI1(ST1(+1)), EC03;\r\n"));
        g.coup(Black); // step 2
        g.coup(Black); // passes the maximum
        EXPECT_EQ(g.systemMessages(), c.messages);
        EXPECT_TRUE(g.player(1).sys.SystemActive);
        EXPECT_EQ(g.player(1).StartDone, c.startDone);
        EXPECT_EQ(g.player(1).system.RiseStep[1], 1) << "back to its start step";
        EXPECT_EQ(g.stakeOn(1, "EC03"), 1);
        if (!c.messages.empty()) {
            EXPECT_EQ(g.state().phase, TextKind::gkPause);
            EXPECT_EQ(g.host.messages.back().title, "Systemspiel - Info - Rücksetzung");
        }
    }
}

TEST(SystemRun, AHugeForwardStepPassesTheMaximumAndLetterEStopsTheSystem) {
    SystemPlayGame g;
    g.activate(1, g.writeSystem("HUGE.SYF", "ST:\r\nSZ STMAX(E);\r\nSZ ST1(1,2), EI1(ST1(1)), "
                                            "EI1(ST1(+2147483647)), EC03;\r\n"));
    EXPECT_EQ(g.systemMessages(), std::vector<int>{SystemMessage::StmaxReached});
    EXPECT_FALSE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.player(1).BetSum, 0);
}

TEST(SystemRun, RiseMaximumUnderSWithRAndAFollowFileSkipsToItAndRestarts) {
    SystemPlayGame g;
    g.state().settings.FollowLoadFiles[0] = g.folder.write("SYSIN/B.INP", "10\r\n").string();
    g.loadPermanence("A.INP", "2\r\n4\r\n6\r\n8\r\n");
    g.activate(1, g.writeSystem("MAX.SYF", "ST:\r\nSZ STMAX(S(ST1(CO05)),R);\r\n"
                                           "SZ ST1(1,2), EI1(ST1(1)), EC03;\r\n"
                                           "AL:\r\nSZ EI1(ST1(+1)), EC03;\r\n"));
    g.coup();               // 2: step 2
    EXPECT_EQ(g.coup(), 4); // passes the maximum: the table stays at its last step
    EXPECT_TRUE(g.systemMessages().empty());
    EXPECT_EQ(g.player(1).system.RiseStep[1], 2);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 2);
    EXPECT_FALSE(g.player(1).StartDone);
    EXPECT_EQ(g.coup(), 10) << "the rest of A.INP is skipped";
    EXPECT_TRUE(g.player(1).StartDone);
}

TEST(SystemRun, ThePermanenceEndStopsWithLOrRestartsWithLAndN) {
    for (const LimitCase& c : {LimitCase{"L", {SystemMessage::PermanenceEnd}, false},
                               LimitCase{"L,N", {}, true}, LimitCase{"P", {}, true}}) {
        SCOPED_TRACE(c.letters);
        SystemPlayGame g;
        g.loadPermanence("END.INP", "3\r\n2\r\n");
        g.activate(1, g.writeSystem("END.SYF", "ST:\r\nSZ STMAX(" + std::string(c.letters) +
                                                   ");\r\nSZ CO01(+1);\r\nAL:\r\nSZ CO01(+1);"
                                                   "\r\n"));
        g.coup();
        g.coup(); // the last coup of the file
        EXPECT_EQ(g.systemMessages(), c.messages);
        EXPECT_EQ(g.player(1).sys.SystemActive, c.active);
        // Without L the end stays raised; with it the player lowered it.
        EXPECT_EQ(g.state().permanence.load.PermanenceEnd, std::string(c.letters) == "P");
    }
}

TEST(SystemRun, ADaySeparatorResetsASystemWatchingForItButNotLater) {
    SystemPlayGame g;
    g.loadPermanence("DAYS.INP", "3\r\n--\r\n2\r\n5\r\n7\r\n");
    g.activate(1, g.writeSystem("DAY.SYF", "ST:\r\nSZ STMAX(H), CO01(0);\r\nAL:\r\nSZ CO01(+1);"
                                           "\r\n"));
    g.coup();
    EXPECT_EQ(g.player(1).system.Counters[1], 1);
    g.coup(); // the separator passed before this coup
    EXPECT_EQ(g.player(1).system.Counters[1], 0) << "reset; the start section ran again";
    g.coup();
    EXPECT_EQ(g.player(1).system.Counters[1], 1);
}

TEST(SystemRun, AnInvalidSectionStopsWithMessageZeroAndTheErrorDialog) {
    SystemPlayGame g;
    g.activate(1, g.writeSystem("XY.SYF", "ST:\r\nSZ EC03;\r\nXY:\r\n"));
    EXPECT_EQ(g.systemMessages(), std::vector<int>{SystemMessage::InvalidSection});
    const MessageBoxData& box = g.host.messages.back();
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(box.text, "Systemspielfile 1:3 Ungültige Sektion!\rSoll das Systemspielfile "
                        "geöffnet werden?");
    EXPECT_FALSE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.player(1).BetSum, 0);
    EXPECT_TRUE(g.host.editorRequests.empty()) << "No leaves the editor closed";
}

TEST(SystemRun, AFileFailingThePreCheckSkipsTheRunAndThePlayerStaysActive) {
    SystemPlayGame g;
    const std::string file = g.writeSystem("OK.SYF", "ST:\r\nAL:\r\nSZ EI1(1), EC03;\r\n");
    g.activate(1, file);
    g.folder.write("SYSTEM/OK.SYF", "ST:\r\nAL:\r\nSZ EI1(1), EC03\r\n");
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                               std::chrono::seconds(2));
    g.coup(Red);
    EXPECT_EQ(g.boxes(MessageKind::Error), std::vector<int>{3});
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.player(1).BetSum, 0);
}

TEST(SystemRun, AChangedFileOnDiskTakesEffectAtTheNextCoup) {
    SystemPlayGame g(2);
    const std::string file = g.writeSystem("CHANGE.SYF", "ST:\r\nAL:\r\nSZ EI1(1), EC03;\r\n");
    g.activate(1, file);
    g.activate(2, file);
    g.coup(Red);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 1);
    g.folder.write("SYSTEM/CHANGE.SYF", "st:\r\nal:\r\nsz ei1(2), ec04;\r\n");
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                               std::chrono::seconds(2));
    g.coup(Red);
    for (int p : {1, 2}) {
        EXPECT_EQ(g.stakeOn(p, "EC04"), 2);
        EXPECT_EQ(g.player(p).sys.RecordedTime, g.player(1).sys.RecordedTime);
    }
    EXPECT_EQ(testing::readFile(file), "ST:\r\nAL:\r\nSZ EI1(2), EC04;\r\n");
}

} // namespace
} // namespace quendra
