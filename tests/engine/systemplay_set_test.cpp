// The set statement: counters, units, rise tables, the abort settings, play tables and bet
// items, with the system state they change and the message each wrong item raises.
#include "support/SystemHarness.h"
#include "systemplay/SystemMessages.h"
#include "table/BoardGeometry.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace quendra {
namespace {

using testing::Raises;
using testing::RunsClean;
using testing::SystemHarness;

std::vector<std::string> actions(std::initializer_list<const char*> texts) {
    return {texts.begin(), texts.end()};
}

// A line that must raise a message, with the token it is blamed on.
struct ErrorCase {
    const char* line;
    int message;
    const char* errorText; // the rest of the line from the token on
    int errorLength;
};

void expectErrors(const SystemHarness& system, std::initializer_list<ErrorCase> cases) {
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.line);
        // A message stops the system: each line starts from the state the caller set up.
        SystemHarness fresh = system;
        const std::optional<SystemError> error = fresh.run(c.line, 7);
        ASSERT_TRUE(Raises(error, c.message, 7));
        EXPECT_EQ(error->ErrorText, c.errorText);
        EXPECT_EQ(error->ErrorLength, c.errorLength);
    }
}

// ---------------------------------------------------------------------------------------------
// Statements and items

TEST(SetStatement, ItemsRunFromTheLeftUpToTheSemicolon) {
    SystemHarness system;
    EXPECT_TRUE(RunsClean(system.run("SZ CO01(1),CO02(2) ,CO03(3); CO04(4)")));
    EXPECT_EQ(system.state.Counters[1], 1);
    EXPECT_EQ(system.state.Counters[2], 2);
    EXPECT_EQ(system.state.Counters[3], 3);
    EXPECT_EQ(system.state.Counters[4], 0) << "nothing after the semicolon runs";
    EXPECT_TRUE(RunsClean(system.run("SZ ;")));
}

TEST(SetStatement, WrongStatementsAndSeparatorsRaiseTheirMessage) {
    SystemHarness system;
    expectErrors(
        system, {
                    {"XY EC01;", SystemMessage::IfActionExpected, "XY EC01;", 2},
                    {"STAR;", SystemMessage::IfOrSzExpected, "STAR;", 4},
                    {"RESET;", SystemMessage::IfOrSzExpected, "RESET;", 5},
                    {"MESS;", SystemMessage::IfOrSzExpected, "MESS;", 4},
                    {"SZ CO01(1) CO02(2);", SystemMessage::CommaOrSemicolonExpected, "CO02(2);", 7},
                });
}

TEST(SetStatement, BracketsAreCountedBeforeEachItem) {
    SystemHarness system;
    // The first item is not executed: the check covers the rest of the line before it.
    const std::optional<SystemError> error = system.run("SZ EC01, CO01(5;", 3);
    ASSERT_TRUE(Raises(error, SystemMessage::InvalidBrackets, 3));
    EXPECT_EQ(error->ErrorLength, 0);
    EXPECT_EQ(error->ErrorText, "EC01, CO01(5;");
    EXPECT_TRUE(system.state.CurrentActions.empty());
    // Order is not examined, only the count.
    EXPECT_TRUE(Raises(system.run("SZ CO01)5(;"), SystemMessage::InvalidCounterSyntax));
}

// ---------------------------------------------------------------------------------------------
// Counters

TEST(CounterItem, AssignsAddsAndCopiesWithinTheBounds) {
    struct Case {
        const char* setup;
        const char* line;
        int counter;
        int value;
    };
    const Case cases[] = {
        {"SZ CO05(250);", "SZ CO05(+10);", 5, 255},
        {"SZ CO05(3);", "SZ CO05(-10);", 5, 0},
        {"SZ CO05(0);", "SZ CO05(255);", 5, 255},
        {"SZ CO01(7);", "SZ CO02(CO01);", 2, 7},
        {"SZ CO01(7), CO02(5);", "SZ CO02(+CO01);", 2, 12},
        {"SZ CO01(7), CO02(3);", "SZ CO02(-CO01);", 2, 0},
        {"SZ CO01(200), CO02(100);", "SZ CO02(+CO01);", 2, 255},
        {"SZ CO99(1);", "SZ CO00(CO99);", 0, 1},
        {"SZ CO01(1);", "SZ CO01($10);", 1, 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SystemHarness system;
        ASSERT_TRUE(RunsClean(system.runAll({c.setup, c.line})));
        EXPECT_EQ(system.state.Counters[static_cast<std::size_t>(c.counter)], c.value);
    }
}

TEST(CounterItem, ItemsAfterAddingACounterAreExecuted) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ CO01(7), CO02(+CO01), CO03(9), CO04(-CO01), CO05(1);")));
    EXPECT_EQ(system.state.Counters[2], 7);
    EXPECT_EQ(system.state.Counters[3], 9);
    EXPECT_EQ(system.state.Counters[5], 1);
}

TEST(CounterItem, OnlyPlainAssignmentsWhileStartingSetStartValues) {
    SystemHarness system;
    system.settingStartValues = true;
    ASSERT_TRUE(RunsClean(system.run("SZ CO01(9), CO02(4), CO02(+3), CO03(CO01);")));
    EXPECT_EQ(system.state.CounterStart[1], 9);
    EXPECT_EQ(system.state.CounterStart[2], 4) << "an addition sets no start value";
    EXPECT_EQ(system.state.CounterStart[3], 9);

    system.settingStartValues = false;
    ASSERT_TRUE(RunsClean(system.run("SZ CO01(20), CO03(CO02);")));
    EXPECT_EQ(system.state.Counters[1], 20);
    EXPECT_EQ(system.state.CounterStart[1], 9);
    EXPECT_EQ(system.state.CounterStart[3], 9);
}

TEST(CounterItem, WrongItemsRaiseTheirMessage) {
    SystemHarness system;
    expectErrors(system, {
                             {"SZ COAB(1);", SystemMessage::InvalidCounter, "AB(1);", 2},
                             {"SZ CO1(1);", SystemMessage::InvalidCounter, "1(1);", 2},
                             {"SZ CO-1(1);", SystemMessage::InvalidCounter, "-1(1);", 2},
                             {"SZ CO01 (1);", SystemMessage::InvalidCounterSyntax, " (1);", 1},
                             {"SZ CO01;", SystemMessage::InvalidCounterSyntax, ";", 1},
                             {"SZ CO01(256);", SystemMessage::InvalidCounterValue, "256);", 3},
                             {"SZ CO01(+256);", SystemMessage::InvalidCounterValue, "+256);", 4},
                             {"SZ CO01(+-5);", SystemMessage::InvalidCounterValue, "+-5);", 3},
                             {"SZ CO01(X);", SystemMessage::InvalidCounterValue, "X);", 1},
                             {"SZ CO01();", SystemMessage::InvalidCounterValue, ");", 0},
                             {"SZ CO01(CO100);", SystemMessage::InvalidCounterValue, "CO100);", 5},
                             {"SZ CO01(-CO1A);", SystemMessage::InvalidCounterValue, "-CO1A);", 5},
                         });
}

// ---------------------------------------------------------------------------------------------
// Units

TEST(UnitItem, ValueSetsTheUnitAndTheStakeUnit) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ EI2(5), EI3 (7);")));
    EXPECT_EQ(system.state.Units[2], 5);
    EXPECT_EQ(system.state.Units[3], 7);
    EXPECT_EQ(system.state.StakeUnit, 7) << "the unit item executed last";
    expectErrors(system, {
                             {"SZ EI2(0);", SystemMessage::InvalidUnitValue, "0);", 1},
                             {"SZ EI2(-3);", SystemMessage::InvalidUnitValue, "-3);", 2},
                             {"SZ EI2(X);", SystemMessage::NumericExpected, "X);", 1},
                             {"SZ EIX(5);", SystemMessage::NumericExpected, "X(5);", 1},
                             {"SZ EI2 5;", SystemMessage::InvalidUnitSyntax, "5;", 1},
                             {"SZ EI;", SystemMessage::NumericExpected, ";", 1},
                         });
}

TEST(UnitItem, ExamplesOfTheRiseTableAndTheUnitsAtWork) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ ST1(1,2,4,8,16);")));
    EXPECT_EQ(system.state.RiseLength[1], 5);
    EXPECT_EQ(system.state.RiseStep[1], 0);

    ASSERT_TRUE(RunsClean(system.run("SZ EI1(ST1(1));")));
    EXPECT_EQ(system.state.Units[1], 1);
    EXPECT_EQ(system.state.RiseStep[1], 1);

    ASSERT_TRUE(RunsClean(system.run("SZ EI1(ST1(+1)), EC03;")));
    EXPECT_EQ(system.state.Units[1], 2);
    EXPECT_EQ(system.state.StakeUnit, 2);
    EXPECT_EQ(system.state.CurrentTable, 1);
    EXPECT_EQ(system.state.CurrentActions, actions({"EC03"}));

    ASSERT_TRUE(RunsClean(system.run("SZ EI2(5), PL17, PL20;")));
    EXPECT_EQ(system.state.StakeUnit, 5);
    EXPECT_EQ(system.state.CurrentActions, actions({"EC03", "PL17", "PL20"}));

    ASSERT_TRUE(RunsClean(system.run("SZ EI2*2 MAX 40 THEN SZ EI2(5);")));
    EXPECT_EQ(system.state.Units[2], 10);
    ASSERT_TRUE(RunsClean(
        system.runAll({"SZ EI2*2 MAX 40 THEN SZ EI2(5);", "SZ EI2*2 MAX 40 THEN SZ EI2(5);"})));
    EXPECT_EQ(system.state.Units[2], 40);
    ASSERT_TRUE(RunsClean(system.run("SZ EI2*2 MAX 40 THEN SZ EI2(5);")));
    EXPECT_EQ(system.state.Units[2], 5) << "the doubled value would exceed 40";
}

TEST(UnitItem, RiseTableStepsMoveWithinTheTable) {
    struct Case {
        const char* name;
        int stepBefore;
        const char* line;
        int step;
        int unit;
    };
    // Rise table 1 holds 1, 2, 4; no STMAX item, so play goes on at a maximum.
    const Case cases[] = {
        {"absolute", 0, "SZ EI1(ST1(2));", 2, 2},
        {"absolute beyond the length", 1, "SZ EI1(ST1(9));", 3, 4},
        {"absolute 0 moves nothing", 2, "SZ EI1(ST1(0));", 2, 0},
        {"forward", 1, "SZ EI1(ST1(+2));", 3, 4},
        {"forward past the maximum keeps the top step", 3, "SZ EI1(ST1(+1));", 3, 4},
        {"back", 3, "SZ EI1(ST1(-1));", 2, 2},
        {"back beyond the first step", 2, "SZ EI1(ST1(-5));", 1, 1},
        {"back from step 0", 0, "SZ EI1(ST1(-1));", 1, 1},
        {"a counter names the step", 0, "SZ CO05(2), EI1(ST1(CO05));", 2, 2},
        {"a counter names the steps forward", 1, "SZ CO05(1), EI1(ST1(+CO05));", 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SystemHarness system;
        ASSERT_TRUE(RunsClean(system.run("SZ ST1(1,2,4);")));
        system.state.RiseStep[1] = static_cast<std::uint8_t>(c.stepBefore);
        ASSERT_TRUE(RunsClean(system.run(c.line)));
        EXPECT_EQ(system.state.RiseStep[1], c.step);
        EXPECT_EQ(system.state.Units[1], c.unit);
    }
}

TEST(UnitItem, PassingTheMaximumAsksTheRun) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ ST1(1,2,4), EI1(ST1(3));")));
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(ST1(+1));")));
    EXPECT_EQ(system.events.maxima, std::vector<int>{1});
    EXPECT_EQ(system.state.RiseStep[1], 3);

    // Letter S: the table goes back to its start step, the flagged counters to their start
    // values, and the unit takes the value there.
    system.settingStartValues = true;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(ST1(2)), CO04(6);")));
    system.settingStartValues = false;
    system.state.StmaxResetFlags[1][4] = true;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(ST1(+1)), CO04(+1);")));
    system.events.outcome = RiseMaximumOutcome::StepSetByEvent;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(ST1(+1));")));
    EXPECT_EQ(system.state.RiseStep[1], 2);
    EXPECT_EQ(system.state.Units[1], 2);
    EXPECT_EQ(system.state.Counters[4], 6);

    // A stop abandons the statement without a message of its own.
    system.events.outcome = RiseMaximumOutcome::SystemStopped;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(ST1(3)), EI1(ST1(+1)), CO01(5);")));
    EXPECT_EQ(system.state.Counters[1], 0);
}

TEST(UnitItem, AbsoluteStepSetsTheStartStepOnlyWhileStarting) {
    SystemHarness system;
    system.settingStartValues = true;
    ASSERT_TRUE(RunsClean(system.run("SZ ST2(5,6,7), EI1(ST2(2));")));
    EXPECT_EQ(system.state.RiseStartStep[2], 2);
    system.settingStartValues = false;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(ST2(3)), EI1(ST2(-1));")));
    EXPECT_EQ(system.state.RiseStartStep[2], 2);
    EXPECT_EQ(system.state.RiseStep[2], 2);
}

TEST(UnitItem, WrongRiseTableStepsRaiseTheirMessage) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ ST1(1,2,4);")));
    expectErrors(system, {
                             {"SZ EI1(ST0(1));", SystemMessage::InvalidUnitRiseTable, "0(1));", 1},
                             {"SZ EI1(STX(1));", SystemMessage::InvalidUnitRiseTable, "X(1));", 1},
                             {"SZ EI1(ST2(1));", SystemMessage::InvalidRiseTable, "ST2(1));", 3},
                             {"SZ EI1(ST1(X));", SystemMessage::NumericExpected, "X));", 1},
                             {"SZ EI1(ST1(CO1X));", SystemMessage::InvalidCounter, "1X));", 2},
                             {"SZ EI1(ST1 1);", SystemMessage::InvalidUnitSyntax, " 1);", 1},
                             {"SZ EI1(ST1(1)X);", SystemMessage::InvalidUnitSyntax, ")X);", 3},
                         });
}

TEST(UnitItem, ForwardStepsBeyondTheLastStepOrOnAnUndefinedTablePassTheMaximum) {
    struct Case {
        const char* line;
        std::vector<int> maxima; // the tables whose maximum was passed
        int step;                // of the table stepped
    };
    const Case cases[] = {
        {"SZ ST1(1,2), EI1(ST1(1)), EI1(ST1(+2147483647));", {1}, 2},
        {"SZ ST1(1,2), EI1(ST1(2)), EI1(ST1(+1));", {1}, 2},
        {"SZ EI1(ST2(+1));", {2}, 0},
        {"SZ EI1(ST2(+2147483647));", {2}, 0},
        {"SZ EI1(ST2(-3));", {}, 1},
        {"SZ ST1(1,2), EI1(ST1(2)), EI1(ST1(-2147483647));", {}, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SystemHarness system;
        ASSERT_TRUE(RunsClean(system.run(c.line)));
        EXPECT_EQ(system.events.maxima, c.maxima);
        const int table = c.line[std::string_view(c.line).rfind("ST") + 2] - '0';
        EXPECT_EQ(system.state.RiseStep[static_cast<std::size_t>(table)], c.step);
    }
}

TEST(UnitItem, ArithmeticKeepsTheUnitWithinItsLimits) {
    struct Case {
        int unit;
        const char* line;
        int result;
    };
    const Case cases[] = {
        {2, "SZ EI1/3;", 1},
        {7, "SZ EI1/2;", 3},
        {32, "SZ EI1*2 MAX 40;", 32},
        {20, "SZ EI1*2 MAX 40;", 40},
        {5, "SZ EI1-4 MAX 3;", 3},
        {9, "SZ EI1-4 MAX 3;", 5},
        {12, "SZ EI1/4 MAX 5;", 5},
        {40, "SZ EI1/4 MAX 5;", 10},
        {5, "SZ EI1-5;", 1},
        {5, "SZ EI1-4;", 1},
        {7499, "SZ EI1*2;", 14998},
        {7500, "SZ EI1*2;", 7500},
        {14998, "SZ EI1+1;", 14999},
        {14999, "SZ EI1+1;", 14999},
        {14999, "SZ EI1+1 MAX 20000;", 15000},
        {38, "SZ EI1+2 MAX 40;", 40},
        {39, "SZ EI1+2 MAX 40;", 39},
        {5, "SZ EI1*2 , EC01;", 10},
        {5, "SZ EI1*2 MAX6;", 5},
        {5, "SZ EI1*2 MAX 6X;", 5},
        {5, "SZ EI1*2 LIMIT 6;", 10},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SystemHarness system;
        system.state.Units[1] = c.unit;
        ASSERT_TRUE(RunsClean(system.run(c.line)));
        EXPECT_EQ(system.state.Units[1], c.result);
        EXPECT_TRUE(system.state.CurrentActions.empty()) << "nothing after the item runs";
    }
}

TEST(UnitItem, ArithmeticSetsTheStakeUnitOnlyWhenTheUnitChanges) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(32), EI2(7);")));
    ASSERT_TRUE(RunsClean(system.run("SZ EI1*2 MAX 40;")));
    EXPECT_EQ(system.state.StakeUnit, 7);
    ASSERT_TRUE(RunsClean(system.run("SZ EI1/2;")));
    EXPECT_EQ(system.state.StakeUnit, 16);
}

TEST(UnitItem, ThenActionRunsOnlyBeyondTheLimit) {
    SystemHarness system;
    system.state.Units[3] = 4;
    ASSERT_TRUE(RunsClean(system.run("SZ EI3-2 MAX 3 THEN SZ EI3(9), CO01(1), EC01;")));
    EXPECT_EQ(system.state.Units[3], 9);
    EXPECT_EQ(system.state.Counters[1], 1);
    EXPECT_EQ(system.state.CurrentActions, actions({"EC01"}));

    // Within the limit the THEN part is passed over, errors in it included.
    system.state.Units[4] = 5;
    ASSERT_TRUE(RunsClean(system.run("SZ EI4-5 MAX 1 THEN SZ CO02(1);")));
    EXPECT_EQ(system.state.Counters[2], 1) << "5 - 5 is below the floor 1 before it is kept at 1";
    ASSERT_TRUE(RunsClean(system.run("SZ EI3-2 MAX 3 THEN SZ XX01;")));
    EXPECT_EQ(system.state.Units[3], 7);
    EXPECT_TRUE(Raises(system.run("SZ EI3-6 MAX 3 THEN EC01;"), SystemMessage::ActionExpected));
    EXPECT_TRUE(Raises(system.run("SZ EI3-6 MAX 3 THEN SZ XX01;"), SystemMessage::InvalidSzAction));
}

TEST(UnitItem, WrongArithmeticRaisesItsMessage) {
    SystemHarness system;
    system.state.Units[1] = 5;
    expectErrors(system, {
                             {"SZ EI1*X;", SystemMessage::NumericExpected, "X;", 1},
                             {"SZ EI1*2, EC01;", SystemMessage::NumericExpected, "2, EC01;", 7},
                             {"SZ EI1/0;", SystemMessage::InvalidUnitValue, "0;", 1},
                             {"SZ EI1*0;", SystemMessage::InvalidUnitValue, "0;", 1},
                             {"SZ EI1+-2;", SystemMessage::InvalidUnitValue, "-2;", 2},
                             {"SZ EI1 % 2;", SystemMessage::InvalidUnitSyntax, "% 2;", 3},
                             {"SZ EI1*2MAX 6;", SystemMessage::NumericExpected, "2MAX 6;", 6},
                         });
    EXPECT_EQ(system.state.Units[1], 5);
}

// ---------------------------------------------------------------------------------------------
// Rise-table definitions

TEST(RiseTableItem, DefinesUpToFiftyValuesAndKeepsTheStep) {
    SystemHarness system;
    std::string fifty = "SZ ST9(";
    for (int value = 1; value <= 50; ++value) {
        fifty += std::to_string(value * 5) + (value < 50 ? "," : ");");
    }
    ASSERT_TRUE(RunsClean(system.run(fifty)));
    EXPECT_EQ(system.state.RiseLength[9], 50);
    EXPECT_EQ(system.state.RiseValues[9][50], 250);

    system.state.RiseStep[9] = 4;
    ASSERT_TRUE(RunsClean(system.run("SZ ST9(3,2,1), CO01(1);")));
    EXPECT_EQ(system.state.RiseLength[9], 3);
    EXPECT_EQ(system.state.RiseStep[9], 4) << "a definition does not move the step";
    EXPECT_EQ(system.state.Counters[1], 1) << "items after a definition run";

    std::string fiftyOne = fifty.substr(0, fifty.size() - 2) + ",1);";
    const std::optional<SystemError> error = system.run(fiftyOne);
    ASSERT_TRUE(Raises(error, SystemMessage::TooManyRiseValues));
    EXPECT_EQ(error->ErrorText, "1);");
}

TEST(RiseTableItem, WrongDefinitionsRaiseTheirMessage) {
    SystemHarness system;
    expectErrors(system, {
                             {"SZ ST1(5);", SystemMessage::TooFewRiseValues, "5);", 1},
                             {"SZ ST1();", SystemMessage::TooFewRiseValues, ");", 0},
                             {"SZ ST1(0,1);", SystemMessage::InvalidRiseValue, "0,1);", 1},
                             {"SZ ST1(1,256);", SystemMessage::InvalidRiseValue, "256);", 3},
                             {"SZ ST1(1,,2);", SystemMessage::InvalidRiseValue, ",2);", 0},
                             {"SZ ST1(1,X);", SystemMessage::InvalidRiseValue, "X);", 1},
                             {"SZ ST0(1,2);", SystemMessage::InvalidRiseTable, "0(1,2);", 1},
                             {"SZ ST10(1,2);", SystemMessage::InvalidRiseTable, "10(1,2);", 2},
                             {"SZ STX(1,2);", SystemMessage::InvalidRiseTable, "X(1,2);", 1},
                             {"SZ ST1;", SystemMessage::InvalidRiseSyntax, "1;", 1},
                             {"SZ ST1, EC01;", SystemMessage::InvalidRiseSyntax, "1, EC01;", 1},
                         });
    EXPECT_EQ(system.state.RiseLength[1], 0);
}

// ---------------------------------------------------------------------------------------------
// STMAX

TEST(StmaxItem, SetsEveryLetterAndTheReferenceCapital) {
    SystemHarness system;
    system.inStartSection = true;
    system.capital = 1234;
    ASSERT_TRUE(RunsClean(system.run("SZ STMAX(E, V(200),G(300),C(10),L,H,I(3),R,P), CO01(1);")));
    const AbortSettings& a = system.state.abort;
    EXPECT_TRUE(a.StopAtMaximum);
    EXPECT_EQ(a.LossLimit, 200);
    EXPECT_EQ(a.ProfitLimit, 300);
    EXPECT_EQ(a.CoupLimit, 10);
    EXPECT_TRUE(a.AtPermanenceEnd);
    EXPECT_TRUE(a.ResetAtDaySeparator);
    EXPECT_TRUE(a.WaitingActive);
    EXPECT_EQ(a.WaitingLeft, 3);
    EXPECT_TRUE(a.SkipToFollowFile);
    EXPECT_TRUE(a.PauseOnEvent);
    EXPECT_EQ(system.state.ReferenceCapital, 1234);
    EXPECT_EQ(system.state.Counters[1], 1);

    // The waiting coups are taken only while the setting is not active.
    ASSERT_TRUE(RunsClean(system.run("SZ STMAX(I(7));")));
    EXPECT_EQ(system.state.abort.WaitingLeft, 3);

    SystemHarness other;
    other.inStartSection = true;
    ASSERT_TRUE(RunsClean(other.run("SZ STMAX(A,N);")));
    EXPECT_TRUE(other.state.abort.ResetAllAtMaximum);
    EXPECT_TRUE(other.state.abort.ResetSilently);
}

TEST(StmaxItem, LetterSFlagsCountersForTables) {
    SystemHarness system;
    system.inStartSection = true;
    ASSERT_TRUE(RunsClean(system.run("SZ STMAX(S(ST1(CO01), ST10(CO99),ST1(CO00)),P);")));
    EXPECT_TRUE(system.state.abort.ResetTableAtMaximum);
    EXPECT_TRUE(system.state.StmaxResetFlags[1][1]);
    EXPECT_TRUE(system.state.StmaxResetFlags[1][0]);
    EXPECT_TRUE(system.state.StmaxResetFlags[10][99]);
    EXPECT_FALSE(system.state.StmaxResetFlags[1][99]);
}

TEST(StmaxItem, WrongSettingsRaiseTheirMessage) {
    SystemHarness system;
    system.inStartSection = true;
    expectErrors(
        system,
        {
            {"SZ STMAX;", SystemMessage::InvalidAbortSyntax, ";", 1},
            {"SZ STMAX(A,E);", SystemMessage::InvalidAbortCombination, "E);", 1},
            {"SZ STMAX(E,A);", SystemMessage::InvalidAbortCombination, "A);", 1},
            {"SZ STMAX(S(ST1(CO01)),A);", SystemMessage::InvalidAbortCombination, "A);", 1},
            {"SZ STMAX(E,S(ST1(CO01)));", SystemMessage::InvalidAbortCombination, "S(ST1(CO01)));",
             1},
            {"SZ STMAX(R,N);", SystemMessage::InvalidAbortCombination, "N);", 1},
            {"SZ STMAX(N,R);", SystemMessage::InvalidAbortCombination, "R);", 1},
            {"SZ STMAX(V(0));", SystemMessage::InvalidAbortValue, "0));", 1},
            {"SZ STMAX(G(10000));", SystemMessage::InvalidAbortValue, "10000));", 5},
            {"SZ STMAX(C(X));", SystemMessage::InvalidAbortValue, "X));", 1},
            {"SZ STMAX(I(101));", SystemMessage::InvalidAbortValue, "101));", 3},
            {"SZ STMAX(V200);", SystemMessage::InvalidAbortSyntax, "200);", 1},
            {"SZ STMAX(S);", SystemMessage::InvalidAbortSyntax, ");", 1},
            {"SZ STMAX(S(XX1(CO01)));", SystemMessage::RiseTableExpected, "XX1(CO01)));", 2},
            {"SZ STMAX(S(ST11(CO01)));", SystemMessage::InvalidRiseTable, "11(CO01)));", 2},
            {"SZ STMAX(S(ST1(01)));", SystemMessage::CounterExpected, "(01)));", 3},
            {"SZ STMAX(S(ST1(CO1X)));", SystemMessage::InvalidCounter, "1X)));", 2},
            {"SZ STMAX(X);", SystemMessage::InvalidAbortCondition, "X);", 1},
            {"SZ STMAX(EX);", SystemMessage::InvalidAbortCondition, "X);", 1},
        });
    system.inStartSection = false;
    const std::optional<SystemError> error = system.run("SZ STMAX(E);");
    ASSERT_TRUE(Raises(error, SystemMessage::AbortInWrongSection));
    EXPECT_EQ(error->ErrorText, "STMAX(E);");
    // Outside the start section, but before the start is done (a file without a start
    // section): an assignment made there counts as made in the start section.
    system.settingStartValues = true;
    ASSERT_TRUE(RunsClean(system.run("SZ STMAX(E);")));
    EXPECT_TRUE(system.state.abort.StopAtMaximum);
}

TEST(StmaxItem, UnknownLetterTakesBackTheSettingsOfTheItem) {
    SystemHarness system;
    system.inStartSection = true;
    ASSERT_TRUE(RunsClean(system.run("SZ STMAX(L);")));
    EXPECT_TRUE(Raises(system.run("SZ STMAX(E,V(50),Q);"), SystemMessage::InvalidAbortCondition));
    EXPECT_FALSE(system.state.abort.StopAtMaximum);
    EXPECT_EQ(system.state.abort.LossLimit, 0);
    EXPECT_TRUE(system.state.abort.AtPermanenceEnd);
}

// ---------------------------------------------------------------------------------------------
// Play tables

TEST(PlayTableItem, AppendRemoveAndExecuteEntries) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(1), PT1(EC01), PT1(EC03);")));
    EXPECT_EQ(system.state.PlayTables[1], actions({"EC01", "EC03"}));
    EXPECT_TRUE(system.state.CurrentActions.empty()) << "appending bets nothing";
    ASSERT_TRUE(RunsClean(system.run("SZ PT1(A);")));
    EXPECT_EQ(system.state.PlayTables[1], actions({"EC03"}));
    ASSERT_TRUE(RunsClean(system.run("SZ PT1;")));
    EXPECT_EQ(system.state.CurrentActions, actions({"EC03"}));

    ASSERT_TRUE(RunsClean(system.run("SZ PT2(PL07), PT2(GS), PT2(FI09), PT2(D);")));
    EXPECT_EQ(system.state.PlayTables[2], actions({"PL07", "GS"}));
    beginActions(system.state);
    ASSERT_TRUE(RunsClean(system.run("SZ PT2(2), PT2(3), PT2 , EC06;")));
    EXPECT_EQ(system.state.CurrentActions, actions({"GS", "PL07", "GS", "EC06"}));
    ASSERT_TRUE(RunsClean(system.run("SZ PT2(C), PT2(D), PT2(A), PT2;")));
    EXPECT_TRUE(system.state.PlayTables[2].empty());
}

TEST(PlayTableItem, NumberEndsAtBlankCommaOrSemicolon) {
    for (const char* line : {"SZ PT1;", "SZ PT1; ", "SZ PT1, EC06;", "SZ PT1,EC06;", "SZ PT1 ;"}) {
        SCOPED_TRACE(line);
        SystemHarness system;
        ASSERT_TRUE(RunsClean(system.run("SZ EI1(1), PT1(EC01);")));
        beginActions(system.state);
        ASSERT_TRUE(RunsClean(system.run(line)));
        EXPECT_EQ(system.state.CurrentActions.front(), "EC01");
    }
}

TEST(PlayTableItem, WrongItemsRaiseTheirMessage) {
    SystemHarness system;
    expectErrors(system, {
                             {"SZ PT0(C);", SystemMessage::InvalidPlayTable, "0(C);", 1},
                             {"SZ PT10(C);", SystemMessage::InvalidPlayTable, "10(C);", 2},
                             {"SZ PTX;", SystemMessage::InvalidPlayTable, "X;", 1},
                             {"SZ PT1", SystemMessage::PtSyntax, "1", 1},
                             {"SZ PT1(0);", SystemMessage::PtSyntax, "0);", 1},
                             {"SZ PT1(-2);", SystemMessage::PtSyntax, "-2);", 2},
                             {"SZ PT1(XX01);", SystemMessage::InvalidSzAction, "XX01);", 4},
                             {"SZ PT1(EC1);", SystemMessage::NumericExpected, "1);", 1},
                             {"SZ PT1(EC013);", SystemMessage::NumericExpected, "013);", 3},
                             {"SZ PT1(ECXX);", SystemMessage::NumericExpected, "XX);", 2},
                             {"SZ PT1(EC07);", SystemMessage::ImpossibleSzValue, "07);", 2},
                             {"SZ PT1(PL37);", SystemMessage::NotOnThisTable, "PL37);", 4},
                             {"SZ PT1(GS01);", SystemMessage::CommaOrSemicolonExpected, "01);", 2},
                         });
    EXPECT_TRUE(system.state.PlayTables[1].empty());
}

TEST(PlayTableItem, SectorsAreAppendedOnAnyTableButPlacedOnlyOnTheFrench) {
    SystemHarness system;
    system.useTable(TableType::American);
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(1), PT3(KS), PT3(EC02);")));
    EXPECT_EQ(system.state.PlayTables[3], actions({"KS", "EC02"}));
    EXPECT_TRUE(Raises(system.run("SZ PT3(2), PT3(1);"), SystemMessage::NotOnThisTable));
    EXPECT_EQ(system.state.CurrentActions, actions({"EC02"}));
    const std::optional<SystemError> error = system.run("SZ PT3;");
    ASSERT_TRUE(Raises(error, SystemMessage::NotOnThisTable));
    EXPECT_EQ(error->ErrorText, "PT3;");
}

// ---------------------------------------------------------------------------------------------
// Bet items

TEST(BetItem, EveryCodeWithinItsRangeIsRecorded) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(1), PL0, PL36, CH60 , CH1, TP01, TP14, TS11, "
                                     "CA23, KL3, DZ03, EC6, FI0, FI9, EN36, ZN0, DN17, KS, GS, "
                                     "OR, ZS;")));
    EXPECT_EQ(
        system.state.CurrentActions,
        actions({"PL00", "PL36", "CH60", "CH01", "TP01", "TP14", "TS11", "CA23", "KL03", "DZ03",
                 "EC06", "FI00", "FI09", "EN36", "ZN00", "DN17", "KS",   "GS",   "OR",   "ZS"}));
}

TEST(BetItem, WrongItemsRaiseTheirMessage) {
    SystemHarness system;
    expectErrors(system, {
                             {"SZ XX01;", SystemMessage::InvalidSzAction, "XX01;", 4},
                             {"SZ E;", SystemMessage::InvalidSzAction, "E;", 1},
                             {"SZ ECA;", SystemMessage::NumericExpected, "A;", 1},
                             {"SZ EC;", SystemMessage::NumericExpected, ";", 0},
                             {"SZ EC01 EC02;", SystemMessage::NumericExpected, "01 EC02;", 7},
                             {"SZ EC07;", SystemMessage::ImpossibleSzValue, "07;", 2},
                             {"SZ EC00;", SystemMessage::ImpossibleSzValue, "00;", 2},
                             {"SZ CH64;", SystemMessage::ImpossibleSzValue, "64;", 2},
                             {"SZ FI10;", SystemMessage::ImpossibleSzValue, "10;", 2},
                             {"SZ EN37;", SystemMessage::ImpossibleSzValue, "37;", 2},
                             {"SZ PL38;", SystemMessage::ImpossibleSzValue, "38;", 2},
                             {"SZ GS01;", SystemMessage::CommaOrSemicolonExpected, "01;", 2},
                             {"SZ PL37;", SystemMessage::NotOnThisTable, "PL37;", 4},
                             {"SZ CH61;", SystemMessage::NotOnThisTable, "CH61;", 4},
                             {"SZ TP15;", SystemMessage::NotOnThisTable, "TP15;", 4},
                         });
}

TEST(BetItem, FieldsAndSectorsTheAmericanTableLacksRaise100) {
    SystemHarness system;
    system.useTable(TableType::American);
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(1), PL37, CH61, TP16, EN37, FI00;")));
    for (const char* line : {"SZ TP02;", "SZ CH03;", "SZ GS;", "SZ KS;", "SZ OR;", "SZ ZS;"}) {
        SCOPED_TRACE(line);
        EXPECT_TRUE(Raises(system.run(line), SystemMessage::NotOnThisTable));
    }
}

// The fields the bet list names, read back from its board points, with their amounts.
std::vector<std::pair<std::string, int>> listedBets(const SystemHarness& system) {
    std::vector<std::pair<std::string, int>> bets;
    for (const BetListEntry& entry : system.betList.entries) {
        const std::optional<BetField> field =
            FieldAtPoint(system.table.type(), BoardPoint{entry.x, entry.y});
        bets.emplace_back(field ? fieldCode(*field) : "off the board", entry.amount);
    }
    return bets;
}

TEST(BetItem, SingleFieldsGoOnTheBetListWithTheStakeUnit) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ EI2(5), PL17, PL20, EI1(2), EC3;")));
    using Bets = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(listedBets(system), (Bets{{"PL17", 5}, {"PL20", 5}, {"EC03", 2}}));
    EXPECT_EQ(system.betList.BetListTotal, 12);

    // Even chances and dozens are named by the player's own anchor.
    SystemHarness third;
    third.player = 3;
    ASSERT_TRUE(RunsClean(third.run("SZ EI1(1), DZ02;")));
    ASSERT_EQ(third.betList.BetListCount(), 1);
    const BoardPoint point = betListPoint(TableType::French, {BetKind::Dozen, 2}, 3);
    EXPECT_EQ(third.betList.entries[0].x, point.x);
    EXPECT_EQ(third.betList.entries[0].y, point.y);
}

TEST(BetItem, ExtendedBetsPlaceTheirPatternAndCountItsPieces) {
    struct Case {
        TableType table;
        const char* item;
        int pieces;
        std::vector<std::string> fields;
    };
    const Case cases[] = {
        {TableType::French, "FI7", 3, {"PL07", "PL17", "PL27"}},
        {TableType::French, "FI06", 4, {"PL06", "PL16", "PL26", "PL36"}},
        {TableType::American, "FI0", 5, {"PL00", "PL10", "PL20", "PL30", "PL37"}},
        {TableType::French, "EN0", 3, {"PL00", "PL26", "PL32"}},
        {TableType::French, "ZN0", 5, {"PL00", "PL26", "PL32", "PL03", "PL15"}},
        {TableType::French, "DN0", 7, {"PL00", "PL26", "PL32", "PL03", "PL15", "PL35", "PL19"}},
        {TableType::French, "ZS", 4, {"CH03", "PL26", "CH35", "CH15"}},
        {TableType::French, "OR", 5, {"CH17", "CH34", "CH09", "CH20", "PL01"}},
        {TableType::French, "KS", 6, {"CH30", "CH16", "CH36", "CH52", "CH08", "CH43"}},
        {TableType::French, "GS", 9, {"TP02", "CA18", "CH07", "CH15", "CH21", "CH22", "CH35"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        SystemHarness system;
        system.useTable(c.table);
        ASSERT_TRUE(RunsClean(system.run(std::string("SZ EI1(2), ") + c.item + ";")));
        EXPECT_EQ(system.betList.BetListTotal, 2 * c.pieces);
        std::vector<std::string> fields;
        int amount = 0;
        for (const auto& [field, stake] : listedBets(system)) {
            fields.push_back(field);
            amount += stake;
        }
        std::sort(fields.begin(), fields.end());
        std::vector<std::string> expected = c.fields;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(fields, expected);
        EXPECT_EQ(amount, 2 * c.pieces) << "the entries add up to the total";
    }
}

TEST(BetItem, StakeBeyondTheAmountsRaises23) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(1000000000), PL1, PL2;")));
    const std::optional<SystemError> error = system.run("SZ GS;");
    ASSERT_TRUE(Raises(error, SystemMessage::InvalidUnitValue));
    EXPECT_EQ(error->ErrorText, "GS;");
    EXPECT_EQ(system.betList.BetListTotal, 2000000000);
    EXPECT_EQ(system.betList.BetListCount(), 2);
}

TEST(BetItem, BetBeforeAnyUnitPlacesOnePieceAndWarnsOnce) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ EC01, EC03;")));
    ASSERT_TRUE(RunsClean(system.run("SZ PL17;")));
    EXPECT_EQ(system.events.unitWarnings, 1);
    EXPECT_EQ(system.state.StakeUnit, 1);
    EXPECT_EQ(system.betList.BetListTotal, 3);
}

TEST(BetItem, FirstBetOfARunStartsTheActionsAndTheFirst300AreKept) {
    SystemHarness system;
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(1), EC01, EC03;")));
    beginActions(system.state);
    ASSERT_TRUE(RunsClean(system.run("SZ CO01(1);")));
    EXPECT_EQ(system.state.CurrentActions, actions({"EC01", "EC03"}))
        << "a run without bets keeps the list";
    ASSERT_TRUE(RunsClean(system.run("SZ PL17;")));
    EXPECT_EQ(system.state.CurrentActions, actions({"PL17"}));

    beginActions(system.state);
    std::string many = "SZ PL1";
    for (int i = 2; i <= 301; ++i) {
        many += ", PL" + std::to_string(i % 37);
    }
    ASSERT_TRUE(RunsClean(system.run(many + ";")));
    ASSERT_EQ(system.state.CurrentActions.size(), 300U);
    EXPECT_EQ(system.state.CurrentActions.back(), "PL04"); // the 300th item, 300 % 37
}

TEST(BetItem, LongLineOfItemsRunsThroughAndCountsItsBrackets) {
    SystemHarness system;
    std::string line = "SZ EI1(1)";
    for (int i = 0; i < 100000; ++i) {
        line += ", CO01(+1), EC01";
    }
    ASSERT_TRUE(RunsClean(system.run(line + ";")));
    EXPECT_EQ(system.betList.BetListCount(), 100000);
    EXPECT_EQ(system.state.Counters[1], 255);
    EXPECT_TRUE(Raises(system.run(line + ", CO01(1;"), SystemMessage::InvalidBrackets));
}

TEST(BetItem, FiftyActionsAreCarriedIntoTheArgumentTable) {
    SystemHarness system;
    system.state.ArgumentTable = actions({"EC01", "EC02", "EC03", "EC04", "EC05"});
    ASSERT_TRUE(RunsClean(system.run("SZ EI1(1), DZ01, GS, FI07;")));
    carryActionsOver(system.state);
    EXPECT_EQ(system.state.ArgumentTable, actions({"DZ01", "GS", "FI07"}));

    beginActions(system.state);
    std::string many = "SZ PL0";
    for (int i = 1; i < 60; ++i) {
        many += ", PL" + std::to_string(i % 37);
    }
    ASSERT_TRUE(RunsClean(system.run(many + ";")));
    carryActionsOver(system.state);
    ASSERT_EQ(system.state.ArgumentTable.size(), 50U);
    EXPECT_EQ(system.state.ArgumentTable.back(), "PL12");
}

// ---------------------------------------------------------------------------------------------
// Resets of the system state

TEST(SystemReset, ClearsCountersTablesFlagsAndSettingsButKeepsUnitsAndPlayTables) {
    SystemHarness system;
    system.inStartSection = true;
    system.settingStartValues = true;
    system.capital = 500;
    ASSERT_TRUE(RunsClean(system.run("SZ STMAX(S(ST2(CO50)),V(100),I(4)), ST2(1,2), "
                                     "EI4(ST2(2)), CO50(3), PT1(EC01);")));
    system.state.abort.WaitingLeft = 2;
    systemReset(system.state);
    const SystemState& s = system.state;
    EXPECT_EQ(s.Counters[50], 0);
    EXPECT_EQ(s.CounterStart[50], 0);
    EXPECT_EQ(s.RiseLength[2], 0);
    EXPECT_EQ(s.RiseStep[2], 0);
    EXPECT_EQ(s.RiseStartStep[2], 0);
    EXPECT_FALSE(s.StmaxResetFlags[2][50]) << "every flag, not only those of counters 01-10";
    EXPECT_FALSE(s.abort.ResetTableAtMaximum);
    EXPECT_EQ(s.abort.LossLimit, 0);
    EXPECT_TRUE(s.abort.WaitingActive);
    EXPECT_EQ(s.abort.WaitingLeft, 2);
    EXPECT_EQ(s.Units[4], 2);
    EXPECT_EQ(s.StakeUnit, 2);
    EXPECT_EQ(s.PlayTables[1], actions({"EC01"}));
    EXPECT_EQ(s.ReferenceCapital, 500);
}

TEST(SystemReset, MaximumResetRestoresEveryFlaggedCounter) {
    SystemState state;
    state.RiseStartStep[3] = 2;
    state.RiseStep[3] = 6;
    state.CounterStart[7] = 4;
    state.CounterStart[77] = 9;
    state.Counters[7] = 40;
    state.Counters[77] = 90;
    state.Counters[78] = 91;
    state.StmaxResetFlags[3][7] = true;
    state.StmaxResetFlags[3][77] = true;
    riseMaximumReset(state, 3);
    EXPECT_EQ(state.RiseStep[3], 2);
    EXPECT_EQ(state.Counters[7], 4);
    EXPECT_EQ(state.Counters[77], 9);
    EXPECT_EQ(state.Counters[78], 91);
}

} // namespace
} // namespace quendra
