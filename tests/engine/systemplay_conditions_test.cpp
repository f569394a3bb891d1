// Conditions, statistics functions and control statements: what they test in the coup history
// and the system state, the actions they run, and the message each wrong line raises.
#include "game/Game.h"
#include "game/StartUp.h"
#include "support/RecordingHost.h"
#include "support/SystemHarness.h"
#include "systemplay/DataDisplay.h"
#include "systemplay/SystemMessages.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace quendra {
namespace {

using testing::Raises;
using testing::RunsClean;
using testing::SystemHarness;

using Actions = std::vector<std::string>;

// Numbers newest first whose dozens are 1, 1, 2, 3, 3, 3, 2, 2, 1, 3.
constexpr std::initializer_list<int> DozenWindow{5, 7, 14, 30, 26, 33, 20, 22, 1, 36};

// A line with the coups before it (newest first) and the bets it places, or the message it
// raises.
struct LineCase {
    const char* name;
    std::initializer_list<int> history;
    const char* line;
    Actions bets;
    int message = -1;
};

void expectLines(SystemHarness base, std::initializer_list<LineCase> cases) {
    for (const LineCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + c.line);
        SystemHarness system = base;
        system.setHistory(c.history);
        system.state.StakeUnit = 1;
        const std::optional<SystemError> error = system.run(c.line, 4);
        if (c.message >= 0) {
            EXPECT_TRUE(Raises(error, c.message, 4));
        } else {
            EXPECT_TRUE(RunsClean(error));
        }
        EXPECT_EQ(system.state.CurrentActions, c.bets);
    }
}

// ---------------------------------------------------------------------------------------------
// The coup history

TEST(CoupHistory, NewestCoupFirstAndTableLoadsClearOnlyGzAndVz) {
    CoupHistory history;
    for (int number = 1; number <= 13; ++number) {
        history.record(number);
    }
    EXPECT_EQ(history.numberAt(1), 13);
    EXPECT_EQ(history.numberAt(2), 12);
    EXPECT_EQ(history.numberAt(12), 2) << "the thirteenth coup back is gone";
    EXPECT_EQ(history.numberAt(0), std::nullopt);
    EXPECT_EQ(history.numberAt(13), std::nullopt);

    history.tableLoaded();
    EXPECT_EQ(history.numberAt(1), std::nullopt);
    EXPECT_EQ(history.numberAt(2), std::nullopt);
    EXPECT_EQ(history.numberAt(3), 11);

    EXPECT_EQ(historyPosition("GZ"), 1);
    EXPECT_EQ(historyPosition("VZ"), 2);
    EXPECT_EQ(historyPosition("V0"), 3);
    EXPECT_EQ(historyPosition("V9"), 12);
    EXPECT_EQ(historyPosition("VX"), std::nullopt);
    EXPECT_EQ(historyPosition("G"), std::nullopt);
}

TEST(CoupHistory, LoadingATableForgetsGzAndVz) {
    testing::RecordingHost host;
    Game game(host);
    game.state().ProgramFolder = QUENDRA_BIN_DIR;
    for (const int number : {3, 17, 22}) {
        game.state().coupHistory.record(number);
    }
    ASSERT_TRUE(loadGameTable(game, TableType::American));
    EXPECT_EQ(game.state().coupHistory.numberAt(1), std::nullopt);
    EXPECT_EQ(game.state().coupHistory.numberAt(2), std::nullopt);
    EXPECT_EQ(game.state().coupHistory.numberAt(3), 3);
}

// ---------------------------------------------------------------------------------------------
// Field tests

TEST(FieldTest, TestsAHistoryEntryAgainstABetField) {
    expectLines(
        SystemHarness{},
        {
            {"red after red", {3}, "IF GZ IN EC03 THEN SZ EC03;", {"EC03"}},
            {"no red", {2}, "IF GZ IN EC03 THEN SZ EC03;", {}},
            {"zero is no even chance", {0}, "IF GZ IN EC03 THEN SZ EC03;", {}},
            {"not in", {2}, "IF GZ NOT IN EC03 THEN SZ EC04;", {"EC04"}},
            {"two conditions",
             {3, 5},
             "IF GZ NOT IN DZ02 AND IF VZ NOT IN DZ02 THEN SZ DZ02;",
             {"DZ02"}},
            {"second condition false",
             {3, 14},
             "IF GZ NOT IN DZ02 AND IF VZ NOT IN DZ02 THEN SZ DZ02;",
             {}},
            {"V9 is the twelfth coup",
             {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 17},
             "IF V9 IN PL17 THEN SZ PL17;",
             {"PL17"}},
            {"blanks around the words", {3}, "IF  GZ  NOT  IN EC04  THEN  SZ EC01;", {"EC01"}},
            {"all four carrés of a number", {5}, "IF GZ IN CA05 THEN SZ CA05;", {"CA05"}},
            {"cheval of zero", {0}, "IF GZ IN CH02 THEN SZ CH02;", {"CH02"}},
            {"finale", {27}, "IF GZ IN FI07 THEN SZ FI07;", {"FI07"}},
            {"finale zero", {30}, "IF GZ IN FI00 THEN SZ EC01;", {"EC01"}},
            {"neighbour", {26}, "IF GZ IN EN00 THEN SZ EC01;", {"EC01"}},
            {"not a neighbour", {3}, "IF GZ IN EN00 THEN SZ EC01;", {}},
            {"two neighbours", {3}, "IF GZ IN ZN00 THEN SZ EC01;", {"EC01"}},
            {"three neighbours", {35}, "IF GZ IN DN00 THEN SZ EC01;", {"EC01"}},
            {"neighbours wrap round the wheel", {5}, "IF GZ IN EN10 THEN SZ EC01;", {"EC01"}},
            {"voisins", {0}, "IF GZ IN GS THEN SZ GS;", {"GS"}},
            {"tiers", {33}, "IF GZ IN KS THEN SZ KS;", {"KS"}},
            {"orphelins", {9}, "IF GZ IN OR THEN SZ OR;", {"OR"}},
            {"zero game covers five numbers", {15}, "IF GZ IN ZS THEN SZ ZS;", {"ZS"}},
            {"not seven", {35}, "IF GZ IN ZS THEN SZ ZS;", {}},
            {"action STOP", {3}, "IF GZ IN EC03 THEN STOP;", {}},
        });
}

TEST(FieldTest, DoubleZeroLiesInFinaleZeroAndTheSectorsKeepTheirNumbers) {
    SystemHarness american;
    american.useTable(TableType::American);
    expectLines(american,
                {
                    {"00 in finale 0", {37}, "IF GZ IN FI00 THEN SZ EC01;", {"EC01"}},
                    {"00 not in finale 7", {37}, "IF GZ IN FI07 THEN SZ EC01;", {}},
                    {"00 in its cheval", {37}, "IF GZ IN CH61 THEN SZ EC01;", {"EC01"}},
                    {"00 is its own plein", {37}, "IF GZ IN PL37 THEN SZ EC01;", {"EC01"}},
                    {"00 next to 0 on the wheel? no", {37}, "IF GZ IN EN00 THEN SZ EC01;", {}},
                    {"00 next to 1 on the wheel", {37}, "IF GZ IN EN01 THEN SZ EC01;", {"EC01"}},
                    {"sector on the American table", {0}, "IF GZ IN GS THEN SZ EC01;", {"EC01"}},
                    {"sector bet on the American table",
                     {0},
                     "IF GZ IN GS THEN SZ GS;",
                     {},
                     SystemMessage::NotOnThisTable},
                });
}

TEST(FieldTest, EmptyHistoryEntryStopsWithItsMessage) {
    struct Case {
        const char* line;
        std::initializer_list<int> history;
        int message;
    };
    const Case cases[] = {
        {"IF GZ IN EC03 THEN SZ EC03;", {}, SystemMessage::CheckOnGzImpossible},
        {"IF VZ IN EC03 THEN SZ EC03;", {3}, SystemMessage::CheckOnVzImpossible},
        {"IF V0 IN EC03 THEN SZ EC03;", {3, 3}, SystemMessage::CheckOnV0Impossible},
        {"IF V9 NOT IN EC03 THEN SZ EC03;", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 46},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SystemHarness system;
        system.setHistory(c.history);
        const std::optional<SystemError> error = system.run(c.line, 9);
        ASSERT_TRUE(Raises(error, c.message, 9));
        EXPECT_EQ(error->ErrorLength, 2);
        EXPECT_EQ(error->ErrorText.substr(0, 2), std::string(c.line).substr(3, 2));
    }
}

TEST(FieldTest, WrongLinesRaiseTheirMessage) {
    expectLines(SystemHarness{},
                {
                    {"no IN", {3}, "IF GZ EC03 THEN SZ EC03;", {}, SystemMessage::InvalidIfSyntax},
                    {"NOT without IN",
                     {3},
                     "IF GZ NOT EC03 THEN SZ EC03;",
                     {},
                     SystemMessage::InvalidIfSyntax},
                    {"no connecting word",
                     {3},
                     "IF GZ IN EC03 SZ EC03;",
                     {},
                     SystemMessage::InvalidIfSyntax},
                    {"unknown code",
                     {3},
                     "IF GZ IN XX01 THEN SZ EC03;",
                     {},
                     SystemMessage::ImpossibleCheckValue},
                    {"index not a number",
                     {3},
                     "IF GZ IN EC0X THEN SZ EC03;",
                     {},
                     SystemMessage::NumericExpected},
                    {"one-digit index",
                     {3},
                     "IF GZ IN EC3 THEN SZ EC03;",
                     {},
                     SystemMessage::NumericExpected},
                    {"index out of range",
                     {3},
                     "IF GZ IN EC07 THEN SZ EC03;",
                     {},
                     SystemMessage::ImpossibleCheckValue},
                    {"finale index out of range",
                     {3},
                     "IF GZ IN FI10 THEN SZ EC03;",
                     {},
                     SystemMessage::ImpossibleCheckValue},
                    {"00 is no number of the French table",
                     {3},
                     "IF GZ IN PL37 THEN SZ EC03;",
                     {},
                     SystemMessage::ImpossibleCheckValue},
                    {"00 is no number of the French table for RZ either",
                     {3, 5},
                     "IF RZ(2/1) IN PL37 THEN SZ EC03;",
                     {},
                     SystemMessage::ImpossibleCheckValue},
                    {"AND without IF",
                     {3},
                     "IF GZ IN EC03 AND SZ EC03;",
                     {},
                     SystemMessage::IfActionExpected},
                    {"THEN without action",
                     {3},
                     "IF GZ IN EC03 THEN EC03;",
                     {},
                     SystemMessage::ActionExpected},
                    {"THEN IF is no action",
                     {3},
                     "IF GZ IN EC03 THEN IF VZ IN EC03 THEN SZ EC03;",
                     {},
                     SystemMessage::ActionExpected},
                    {"false condition hides later errors", {2}, "IF GZ IN EC03 THEN SZ XX01;", {}},
                    {"false condition hides the missing IF", {2}, "IF GZ IN EC03 AND SZ EC03;", {}},
                    {"unknown condition",
                     {3},
                     "IF XX IN EC03 THEN SZ EC03;",
                     {},
                     SystemMessage::ImpossibleCheckValue},
                    {"IF alone", {3}, "IF;", {}, SystemMessage::ImpossibleCheckValue},
                });
}

TEST(FieldTest, ArgumentTableEntryNamesTheField) {
    SystemHarness system;
    system.state.ArgumentTable = Actions{"EC03", "GS", "FI07"};
    expectLines(
        system,
        {
            {"first entry", {3}, "IF GZ IN AG(1) THEN SZ EC01;", {"EC01"}},
            {"sector entry", {0}, "IF GZ IN AG(2) THEN SZ EC01;", {"EC01"}},
            {"finale entry", {17}, "IF GZ IN AG(3) THEN SZ EC01;", {"EC01"}},
            {"empty entry",
             {3},
             "IF GZ IN AG(4) THEN SZ EC01;",
             {},
             SystemMessage::InvalidArgumentEntry},
            {"last entry of the table",
             {3},
             "IF GZ IN AG(300) THEN SZ EC01;",
             {},
             SystemMessage::InvalidArgumentEntry},
            {"without brackets",
             {3},
             "IF GZ IN AG1 THEN SZ EC01;",
             {},
             SystemMessage::InvalidArgumentSyntax},
            {"without closing bracket",
             {3},
             "IF GZ IN AG(1 THEN SZ EC01;",
             {},
             SystemMessage::InvalidArgumentSyntax},
            {"not a number",
             {3},
             "IF GZ IN AG(X) THEN SZ EC01;",
             {},
             SystemMessage::NumericExpected},
            {"0", {3}, "IF GZ IN AG(0) THEN SZ EC01;", {}, SystemMessage::ImpossibleAgValue},
            {"301", {3}, "IF GZ IN AG(301) THEN SZ EC01;", {}, SystemMessage::ImpossibleAgValue},
        });
    // Line (m) when no coup so far had bets.
    SystemHarness fresh;
    fresh.setHistory({3});
    EXPECT_TRUE(
        Raises(fresh.run("IF GZ IN AG(1) THEN SZ EC01;"), SystemMessage::InvalidArgumentEntry));
}

TEST(FieldTest, AbsurdChainsOfConditionsStopAtTheNestingLimit) {
    const auto chain = [](int conditions) {
        std::string line;
        for (int i = 0; i < conditions; ++i) {
            line += "IF GZ IN EC03 AND ";
        }
        return line + "IF GZ IN EC03 THEN SZ EC03;";
    };
    SystemHarness system;
    system.setHistory({3});
    system.state.StakeUnit = 1;
    ASSERT_TRUE(RunsClean(system.run(chain(98))));
    EXPECT_EQ(system.state.CurrentActions, Actions{"EC03"});
    EXPECT_TRUE(Raises(system.run(chain(20000)), SystemMessage::InvalidIfSyntax));

    std::string units = "SZ EI1(1), EI1*2 MAX 1";
    for (int i = 0; i < 20000; ++i) {
        units += " THEN SZ EI1*2 MAX 1";
    }
    EXPECT_TRUE(Raises(system.run(units + ";"), SystemMessage::InvalidIfSyntax));
}

// ---------------------------------------------------------------------------------------------
// Counter and rise-table tests

TEST(CounterTest, ComparesWithANumberOrACounter) {
    struct Case {
        const char* test;
        int counter; // CO01; CO02 holds 4
        bool holds;
    };
    const Case cases[] = {
        {"3", 3, true},    {"3", 4, false},     {"<3", 2, true},     {"<3", 3, false},
        {"<=3", 3, true},  {"<=3", 4, false},   {">3", 4, true},     {">3", 3, false},
        {">=3", 3, true},  {">=3", 2, false},   {"<>3", 2, true},    {"<>3", 3, false},
        {"CO02", 4, true}, {"<CO02", 4, false}, {">=CO02", 4, true}, {"<>CO02", 5, true},
        {"0", 0, true},    {"$A", 10, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.test);
        SystemHarness system;
        system.state.Counters[1] = c.counter;
        system.state.Counters[2] = 4;
        ASSERT_TRUE(RunsClean(system.run(std::string("IF CO01(") + c.test + ") THEN SZ CO09(1);")));
        EXPECT_EQ(system.state.Counters[9], c.holds ? 1 : 0);
    }
}

TEST(CounterTest, ActionAndChains) {
    SystemHarness system;
    system.state.StakeUnit = 1;
    system.state.Counters[1] = 3;
    ASSERT_TRUE(RunsClean(system.run("IF CO01(>=3) THEN SZ CO01(0), EC04;")));
    EXPECT_EQ(system.state.Counters[1], 0);
    EXPECT_EQ(system.state.CurrentActions, Actions{"EC04"});

    system.state.Counters[2] = 1;
    ASSERT_TRUE(RunsClean(system.run("IF CO01(0)AND IF CO02(1) THEN SZ CO03(7);")));
    EXPECT_EQ(system.state.Counters[3], 7) << "no blank needed after the bracket";
    ASSERT_TRUE(RunsClean(system.run("IF CO01(0) THEN IF CO02(1) THEN SZ CO04(7);")));
    EXPECT_EQ(system.state.Counters[4], 7) << "after THEN the rest is any statement";
    ASSERT_TRUE(RunsClean(system.run("IF CO01(0) THEN IF ST1(0) THEN STOP;")));
    EXPECT_EQ(system.events.stops, 1);
}

TEST(CounterTest, WrongTestsRaiseTheirMessage) {
    SystemHarness system;
    system.state.Counters[1] = 1;
    expectLines(
        system,
        {
            {"counter letters", {}, "IF CO1X(3) THEN SZ EC01;", {}, SystemMessage::InvalidCounter},
            {"counter 100", {}, "IF CO100(3) THEN SZ EC01;", {}, SystemMessage::InvalidCounter},
            {"blanks in the number", {}, "IF CO 0 1(1) THEN SZ CO09(1);", {}},
            {"equals sign",
             {},
             "IF CO01(=1) THEN SZ EC01;",
             {},
             SystemMessage::InvalidCounterValue},
            {"letters", {}, "IF CO01(X) THEN SZ EC01;", {}, SystemMessage::InvalidCounterValue},
            {"no closing bracket",
             {},
             "IF CO01(1 THEN SZ EC01;",
             {},
             SystemMessage::InvalidCounterValue},
            {"other counter 1X",
             {},
             "IF CO01(<CO1X) THEN SZ EC01;",
             {},
             SystemMessage::InvalidCounter},
            {"word glued to THEN",
             {},
             "IF CO01(1) THENSZ EC01;",
             {},
             SystemMessage::InvalidIfSyntax},
            {"semicolon glued to THEN", {}, "IF CO01(1) THEN;", {}, SystemMessage::InvalidIfSyntax},
            {"neither AND nor THEN",
             {},
             "IF CO01(1) OR IF CO02(1) THEN SZ EC01;",
             {},
             SystemMessage::InvalidIfSyntax},
            {"AND without IF", {}, "IF CO01(1) AND SZ EC01;", {}, SystemMessage::IfActionExpected},
            {"THEN with no statement",
             {},
             "IF CO01(1) THEN EC01;",
             {},
             SystemMessage::IfActionExpected},
            {"false hides later errors", {}, "IF CO01(2) THEN SZ XX01;", {}},
        });
}

TEST(RiseTableTest, ComparesTheStep) {
    SystemHarness system;
    system.state.RiseLength[1] = 3;
    system.state.RiseStep[1] = 2;
    system.state.StakeUnit = 1;
    expectLines(
        system,
        {
            {"step 2", {}, "IF ST1(2) THEN SZ EC01;", {"EC01"}},
            {"not step 3", {}, "IF ST1(3) THEN SZ EC01;", {}},
            {"table 10 stands at 0", {}, "IF ST10(0) AND IF ST1(2) THEN SZ EC02;", {"EC02"}},
            {"blanks in the table", {}, "IF ST 1(2) THEN SZ EC01;", {"EC01"}},
            {"table 0", {}, "IF ST0(0) THEN SZ EC01;", {}, SystemMessage::InvalidRiseTable},
            {"table 11", {}, "IF ST11(0) THEN SZ EC01;", {}, SystemMessage::InvalidRiseTable},
            {"step not a number",
             {},
             "IF ST1(X) THEN SZ EC01;",
             {},
             SystemMessage::ImpossibleCheckValue},
            {"neither AND nor THEN",
             {},
             "IF ST1(2) OR SZ EC01;",
             {},
             SystemMessage::InvalidIfAction},
        });
}

// ---------------------------------------------------------------------------------------------
// Plain RZ

TEST(PlainRz, ActsTheFirstTimeTheCountHolds) {
    expectLines(
        SystemHarness{},
        {
            // Line (c).
            {"a red fourth", {2, 4, 6, 1, 8}, "IF RZ(5/<2) IN EC03 THEN SZ EC04;", {"EC04"}},
            {"red only sixth", {2, 4, 6, 8, 10, 1}, "IF RZ(5/<2) IN EC03 THEN SZ EC04;", {}},
            {"six reds in eight",
             {1, 3, 2, 5, 7, 4, 9, 12},
             "IF RZ(8/>=6) IN EC03 THEN SZ EC04;",
             {"EC04"}},
            {"five reds in eight",
             {1, 3, 2, 5, 7, 4, 9, 6},
             "IF RZ(8/>=6) IN EC03 THEN SZ EC04;",
             {}},
            {"= acts like >=", {1, 3, 5, 2}, "IF RZ(4/2) IN EC03 THEN SZ EC04;", {"EC04"}},
            {"= written", {1, 3, 5, 2}, "IF RZ(4/=3) IN EC03 THEN SZ EC04;", {"EC04"}},
            {"> counts up", {1, 3, 5, 2}, "IF RZ(4/>2) IN EC03 THEN SZ EC04;", {"EC04"}},
            {"not enough", {1, 3, 2, 4}, "IF RZ(4/>2) IN EC03 THEN SZ EC04;", {}},
            {"<= at the first hit", {2, 1}, "IF RZ(2/<=1) IN EC03 THEN SZ EC04;", {"EC04"}},
            {"no hit never acts", {2, 4}, "IF RZ(2/<3) IN EC03 THEN SZ EC04;", {}},
            {"empty positions never hit", {3}, "IF RZ(11/1) IN EC03 THEN SZ EC04;", {"EC04"}},
            {"window beyond the history", {}, "IF RZ(11/<5) IN EC03 THEN SZ EC04;", {}},
            {"neighbours count", {26, 32, 3}, "IF RZ(3/3) IN ZN00 THEN SZ EC01;", {"EC01"}},
            {"sector", {0, 3}, "IF RZ(2/2) IN ZS THEN SZ EC01;", {"EC01"}},
            {"AND", {3, 3}, "IF RZ(2/2) IN EC03 AND IF GZ IN PL03 THEN SZ PL03;", {"PL03"}},
            {"third part ignored", {3}, "IF RZ(2/1/X) IN EC03 THEN SZ EC04;", {"EC04"}},
        });
    SystemHarness system;
    system.state.ArgumentTable = Actions{"DZ02"};
    expectLines(system, {{"argument", {14, 15}, "IF RZ(2/2) IN AG(1) THEN SZ EC01;", {"EC01"}}});
}

TEST(PlainRz, WrongLinesRaiseTheirMessage) {
    expectLines(
        SystemHarness{},
        {
            {"(d)", {3}, "IF RZ(12/3) IN EC03 THEN SZ EC04;", {}, SystemMessage::RzInvalidWindow},
            {"window 1",
             {3},
             "IF RZ(1/1) IN EC03 THEN SZ EC04;",
             {},
             SystemMessage::RzInvalidWindow},
            {"(e)", {3}, "IF RZ(5/12) IN EC03 THEN SZ EC04;", {}, SystemMessage::RzCountExpected},
            {"count 0",
             {3},
             "IF RZ(5/0) IN EC03 THEN SZ EC04;",
             {},
             SystemMessage::RzCountExpected},
            {"count missing",
             {3},
             "IF RZ(5/>=) IN EC03 THEN SZ EC04;",
             {},
             SystemMessage::RzCountExpected},
            {"(f)", {3}, "IF RZ(5,3) IN EC03 THEN SZ EC04;", {}, SystemMessage::RzSlashExpected},
            {"(g)", {3}, "IF RZ(5/3) EC03 THEN SZ EC04;", {}, SystemMessage::RzSyntax},
            {"no bracket",
             {3},
             "IF RZ 5/3) IN EC03 THEN SZ EC04;",
             {},
             SystemMessage::RzBracketExpected},
            {"operator <>",
             {3},
             "IF RZ(5/<>3) IN EC03 THEN SZ EC04;",
             {},
             SystemMessage::RzCountConditionExpected},
            {"operator !",
             {3},
             "IF RZ(5/!3) IN EC03 THEN SZ EC04;",
             {},
             SystemMessage::RzCountConditionExpected},
            {"no connecting word",
             {3},
             "IF RZ(5/3) IN EC03 SZ EC04;",
             {},
             SystemMessage::InvalidIfSyntax},
        });
}

// ---------------------------------------------------------------------------------------------
// Choosing functions

TEST(ChoosingFunction, DozenWindowForHighestAndLowest) {
    expectLines(SystemHarness{},
                {
                    {"(k)", DozenWindow, "IF RZ(10/H) IN DZ RESULT SZ DZ;", {"DZ03"}},
                    {"(l)", DozenWindow, "IF RZ(10/N) IN DZ RESULT SZ DZ;", {"DZ01"}},
                    {"letters after H ignored",
                     DozenWindow,
                     "IF RZ(10/HIGH) IN DZ RESULT SZ DZ;",
                     {"DZ03"}},
                    {"shorter window", DozenWindow, "IF RZ(3/H) IN DZ RESULT SZ DZ;", {"DZ01"}},
                    {"ties go to the lowest index", {}, "IF RZ(5/H) IN EC RESULT SZ EC;", {"EC01"}},
                });
}

TEST(ChoosingFunction, CountsOnlyTheFieldsOfTheTable) {
    // CH01 and CH04 hold 1, CH02 and CH05 hold 2; CH03 (0/3) exists on the French table only.
    SystemHarness american;
    american.useTable(TableType::American);
    expectLines(american, {{"American", {1, 2}, "IF RZ(2/N) IN CH RESULT SZ CH;", {"CH06"}}});
    expectLines(SystemHarness{}, {{"French", {1, 2}, "IF RZ(2/N) IN CH RESULT SZ CH;", {"CH03"}}});
}

TEST(ChoosingFunction, SearchForwardOrAfterAllCoups) {
    // Oldest first: 3 (DZ01 column 3), 1, 1 ... newest first below.
    expectLines(
        SystemHarness{},
        {
            {"A: first field with exactly one hit",
             {25, 2, 26},
             "IF UZ(3/1/A) IN DZ RESULT SZ DZ;",
             {"DZ01"}},
            {"F: the first field to pass",
             {25, 2, 26},
             "IF UZ(3/1/F) IN DZ RESULT SZ DZ;",
             {"DZ03"}},
            {"F without a passing field", {25, 2, 26}, "IF UZ(3/3/F) IN DZ RESULT SZ DZ;", {}},
            {"A without a passing field", {25, 2, 26}, "IF UZ(3/3/A) IN DZ RESULT SZ DZ;", {}},
            {"< passes with no hits", {25, 26}, "IF UZ(2/<1/A) IN DZ RESULT SZ DZ;", {"DZ01"}},
            {"UZ with H", DozenWindow, "IF UZ(10/H/A) IN DZ RESULT SZ DZ;", {"DZ03"}},
            {"direction word", {25, 2, 26}, "IF UZ(3/1/FORWARD) IN DZ RESULT SZ DZ;", {"DZ03"}},
        });
}

TEST(ChoosingFunction, ResultIntoACounter) {
    SystemHarness system;
    // Columns newest first: 1, 3, 1, 2, 1, 3 -> column 1 three times.
    system.setHistory({1, 3, 4, 2, 7, 6});
    system.settingStartValues = true;
    ASSERT_TRUE(RunsClean(system.run("IF UZ(6/3/A) IN KL RESULT SZ CO10;")));
    EXPECT_EQ(system.state.Counters[10], 1);
    EXPECT_EQ(system.state.CounterStart[10], 1);
    ASSERT_TRUE(RunsClean(system.run("IF RZ(6/N) IN KL RESULT SZ CO11;")));
    EXPECT_EQ(system.state.Counters[11], 2);
    EXPECT_TRUE(system.state.CurrentActions.empty());
}

TEST(ChoosingFunction, WrongLinesRaiseTheirMessage) {
    expectLines(SystemHarness{}, {
                                     {"(h)",
                                      DozenWindow,
                                      "IF UZ(5/3) IN EC RESULT SZ EC;",
                                      {},
                                      SystemMessage::RzSyntaxIncomplete},
                                     {"(i)",
                                      DozenWindow,
                                      "IF RZ(10/H) IN FI RESULT SZ FI;",
                                      {},
                                      SystemMessage::RzKindNotAllowed},
                                     {"sector",
                                      DozenWindow,
                                      "IF RZ(10/H) IN GS RESULT SZ GS;",
                                      {},
                                      SystemMessage::RzKindNotAllowed},
                                     {"argument",
                                      DozenWindow,
                                      "IF RZ(10/H) IN AG(1) RESULT SZ DZ;",
                                      {},
                                      SystemMessage::RzKindNotAllowed},
                                     {"(j)",
                                      DozenWindow,
                                      "IF RZ(10/H) IN EC RESULT SZ DZ;",
                                      {},
                                      SystemMessage::ResultActionMismatch},
                                     {"direction",
                                      DozenWindow,
                                      "IF UZ(5/3/X) IN EC RESULT SZ EC;",
                                      {},
                                      SystemMessage::RzDirectionExpected},
                                     {"RESULT missing",
                                      DozenWindow,
                                      "IF RZ(10/H) IN DZ SZ DZ;",
                                      {},
                                      SystemMessage::ResultExpected},
                                     {"index instead of RESULT",
                                      DozenWindow,
                                      "IF RZ(10/H) IN DZ03 RESULT SZ DZ;",
                                      {},
                                      SystemMessage::UzDirectNotAllowed},
                                     {"SZ missing",
                                      DozenWindow,
                                      "IF RZ(10/H) IN DZ RESULT DZ;",
                                      {},
                                      SystemMessage::SzExpected},
                                     {"position after the set code",
                                      DozenWindow,
                                      "IF RZ(10/H) IN DZ RESULT SZ DZ03;",
                                      {},
                                      SystemMessage::RzPositionNotAllowed},
                                     {"position after the set code of a forward search",
                                      DozenWindow,
                                      "IF UZ(10/2/F) IN DZ RESULT SZ DZ03;",
                                      {},
                                      SystemMessage::ResultActionMismatch},
                                     {"position after the set code of a search after all",
                                      DozenWindow,
                                      "IF UZ(10/2/A) IN DZ RESULT SZ DZ03;",
                                      {},
                                      SystemMessage::RzPositionNotAllowed},
                                     {"counter 1X",
                                      DozenWindow,
                                      "IF RZ(10/H) IN DZ RESULT SZ CO1X;",
                                      {},
                                      SystemMessage::InvalidCounter},
                                     {"window",
                                      DozenWindow,
                                      "IF UZ(12/3/A) IN EC RESULT SZ EC;",
                                      {},
                                      SystemMessage::RzInvalidWindow},
                                 });
}

// ---------------------------------------------------------------------------------------------
// Control statements

TEST(ControlStatement, StopRestartAndTheWaitingCoups) {
    SystemHarness system;
    system.state.abort.WaitingActive = true;
    system.state.abort.WaitingLeft = 2;
    ASSERT_TRUE(RunsClean(system.run("STOP;")));
    EXPECT_EQ(system.events.stops, 1);
    ASSERT_TRUE(RunsClean(system.run("RESTART;")));
    EXPECT_EQ(system.events.restarts, 1);
    EXPECT_TRUE(system.state.abort.WaitingActive);
    ASSERT_TRUE(RunsClean(system.run("RESTART(F);")));
    EXPECT_EQ(system.events.restarts, 2);
    EXPECT_FALSE(system.state.abort.WaitingActive);

    system.setHistory({3});
    ASSERT_TRUE(RunsClean(system.run("IF GZ IN EC03 THEN RESTART;")));
    EXPECT_EQ(system.events.restarts, 3);
    EXPECT_TRUE(Raises(system.run("STO;"), SystemMessage::IfOrSzExpected));
    EXPECT_TRUE(Raises(system.run("RESTAR;"), SystemMessage::IfOrSzExpected));
}

TEST(ControlStatement, MessageSwitchAndItsSyntax) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("MESSAGE(CO01);")));
    EXPECT_TRUE(system.events.displays.empty()) << "line (n) while the switch is off";
    ASSERT_TRUE(RunsClean(system.run("MESSAGE(XY, CO1X);"))) << "nothing is read while off";
    ASSERT_TRUE(RunsClean(system.run("MESSAGE ON;")));
    EXPECT_TRUE(system.MessageSwitch);
    ASSERT_TRUE(RunsClean(system.run("MESSAGE(CO01);")));
    EXPECT_EQ(system.events.displays.size(), 1U);
    ASSERT_TRUE(RunsClean(system.run("MESSAGE OFF;")));
    EXPECT_FALSE(system.MessageSwitch);

    SystemHarness on;
    on.MessageSwitch = true;
    std::string sixteen = "MESSAGE(CO01";
    for (int i = 2; i <= 16; ++i) {
        sixteen += ",CO01";
    }
    expectLines(
        on,
        {
            {"neither ON nor OFF", {}, "MESSAGE;", {}, SystemMessage::MessageSyntax},
            {"no closing bracket", {}, "MESSAGE(CO01;", {}, SystemMessage::RzSyntaxIncomplete},
            {"unknown item", {}, "MESSAGE(XY);", {}, SystemMessage::MessageSyntax},
            {"counter", {}, "MESSAGE(CO1X);", {}, SystemMessage::InvalidCounter},
            {"unit", {}, "MESSAGE(EIX);", {}, SystemMessage::NumericExpected},
            {"table 11", {}, "MESSAGE(ST11);", {}, SystemMessage::InvalidRiseTable},
            {"table 0", {}, "MESSAGE(ST0);", {}, SystemMessage::InvalidRiseTable},
            {"AG without brackets", {}, "MESSAGE(AG1);", {}, SystemMessage::InvalidArgumentSyntax},
            {"AG(X)", {}, "MESSAGE(AG(X));", {}, SystemMessage::NumericExpected},
            {"AG(0)", {}, "MESSAGE(AG(0));", {}, SystemMessage::ImpossibleAgValue},
            {"AG(2..1)", {}, "MESSAGE(AG(2..1));", {}, SystemMessage::ImpossibleAgValue},
            {"AG(1..301)", {}, "MESSAGE(AG(1..301));", {}, SystemMessage::ImpossibleAgValue},
            {"two items without comma",
             {},
             "MESSAGE(CO01 CO02);",
             {},
             SystemMessage::MessageSyntax},
        });
    SystemHarness many = on;
    EXPECT_TRUE(Raises(many.run(sixteen + ");"), SystemMessage::MessageSyntax));
    EXPECT_TRUE(RunsClean(on.run(sixteen.substr(0, sixteen.size() - 5) + ");")));
}

TEST(ControlStatement, DataDisplayItemsCarryTheirValues) {
    SystemHarness system;
    system.MessageSwitch = true;
    system.setHistory({37});
    system.state.Counters[1] = 5;
    system.state.Units[2] = 8;
    system.state.RiseLength[1] = 3;
    system.state.RiseValues[1] = {0, 1, 2, 4};
    system.state.RiseStep[1] = 3;
    system.state.ArgumentTable = Actions{"EC01", "GS"};
    ASSERT_TRUE(RunsClean(
        system.run("MESSAGE(CO01, 'HALLO', GZ,VZ, EI2, ST1 , ST2, AG(2), AG(3), AG(1..3));")));
    ASSERT_EQ(system.events.displays.size(), 1U);
    const DataDisplay& display = system.events.displays.front();
    using Kind = DataDisplayItem::Kind;
    auto value = [](const char* written, const char* v) {
        return DataDisplayItem{Kind::Value, written, v, 0, std::nullopt, {}};
    };
    const std::vector<DataDisplayItem> expected{
        value("CO01", "5"),
        DataDisplayItem{Kind::Text, "HALLO", "", 0, std::nullopt, {}},
        value("GZ", "37"),
        value("VZ", "--"),
        value("EI2", "8"),
        DataDisplayItem{Kind::RiseTable, "ST1", "", 3, 4, {}},
        DataDisplayItem{Kind::RiseTable, "ST2", "", 0, std::nullopt, {}},
        value("AG(2)", "GS"),
        value("AG(3)", "--"),
        DataDisplayItem{Kind::Arguments, "AG(1..3)", "", 0, std::nullopt, {"EC01", "GS", "--"}},
    };
    EXPECT_EQ(display.items, expected);
}

TEST(DataDisplayText, LaysOutTheItemsLineByLine) {
    DataDisplay display;
    using Kind = DataDisplayItem::Kind;
    display.items = {
        {Kind::Value, "CO01", "5", 0, std::nullopt, {}},
        {Kind::Text, "HALLO", "", 0, std::nullopt, {}},
        {Kind::RiseTable, "ST1", "", 3, 4, {}},
        {Kind::RiseTable, "ST2", "", 0, std::nullopt, {}},
        {Kind::Arguments, "AG(1..2)", "", 0, std::nullopt, {"EC01", "--"}},
    };
    EXPECT_EQ(dataDisplayText(display, 2, "C:\\QUENDRA\\SYSTEM\\ROT.SYF", Language::German),
              "Spieler: 2\rDatei : ROT.SYF\r\rCO01 :  5\r\rHALLO\r\rST1 :  3 / Einsatz: 4\r"
              "ST2 :  0 / --\rAG(1..2) :  EC01,--");
    EXPECT_EQ(dataDisplayCaption(Language::English), "Data display - Quendra");

    DataDisplay texts;
    texts.items = {{Kind::Text, "A", "", 0, std::nullopt, {}},
                   {Kind::RiseTable, "ST1", "", 1, 2, {}}};
    EXPECT_EQ(dataDisplayText(texts, 1, "SYSTEM/X.SYF", Language::English),
              "Player: 1\rFile : X.SYF\r\rA\r\rST1 :  1 / Bet: 2");

    DataDisplay range;
    DataDisplayItem eleven{Kind::Arguments, "AG(1..11)", "", 0, std::nullopt, {}};
    for (int i = 1; i <= 11; ++i) {
        eleven.entries.push_back("PL" + std::to_string(10 + i));
    }
    range.items = {eleven};
    EXPECT_EQ(dataDisplayText(range, 1, "X.SYF", Language::English),
              "Player: 1\rFile : X.SYF\r\rAG(1..11) :  \rPL11,PL12,PL13,PL14,PL15,PL16,PL17,"
              "PL18,PL19,PL20\rPL21");
}

} // namespace
} // namespace quendra
