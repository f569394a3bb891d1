// The number picked by hand (steps from the ball's pocket, withdrawing, forgetting after a coup)
// and the number request's modes, lists and range check.
#include "spin/NumberPick.h"
#include "spin/NumberRequest.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace quendra {
namespace {

const std::vector<int> FrenchWheel = {0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                      36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                      31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};
const std::vector<int> AmericanWheel = {0,  28, 9,  26, 30, 11, 7,  20, 32, 17, 5,  22, 34,
                                        15, 3,  24, 36, 13, 1,  37, 27, 10, 25, 29, 12, 8,
                                        19, 31, 18, 6,  21, 33, 16, 4,  23, 35, 14, 2};

Table tableOf(const std::vector<int>& wheel) {
    Table table;
    table.FrenchTable = wheel.size() == 37;
    table.HighestNumber = table.FrenchTable ? 36 : 37;
    table.PocketCount = static_cast<int>(wheel.size());
    for (int number : wheel) {
        PocketRecord pocket;
        pocket.number = static_cast<std::uint8_t>(number);
        table.PocketTable.push_back(pocket);
    }
    return table;
}

class NumberPickTest : public ::testing::Test {
protected:
    std::unique_ptr<GameState> owned = std::make_unique<GameState>();
    GameState& state = *owned;

    void SetUp() override { state.table = tableOf(FrenchWheel); }
    // Puts the ball into the pocket of the number.
    void ballAt(int number) { state.table.BallPocket = state.table.pocketOf(number); }
};

TEST_F(NumberPickTest, StepsLeadFromTheBallToThePickedPocket) {
    struct Case {
        int ballNumber;
        int picked;
        int steps;
    };
    const Case cases[] = {
        {0, 32, 1},   // the next pocket
        {32, 0, 36},  // the pocket behind the ball: nearly a whole turn
        {26, 0, 1},   // across the end of the wheel
        {17, 17, 37}, // the ball's own pocket: a whole turn
        {0, 26, 36},  {19, 17, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.ballNumber << " -> " << c.picked);
        state.ManualSteps = NoneMarker;
        ballAt(c.ballNumber);
        EXPECT_EQ(PickManualNumber(state, c.picked), NumberPick::Picked);
        EXPECT_EQ(state.ManualNumber, c.picked);
        EXPECT_EQ(state.ManualSteps, c.steps);
        const int landing = (state.table.BallPocket - 1 + c.steps) % state.table.PocketCount + 1;
        EXPECT_EQ(state.table.pocket(landing).number, c.picked);
    }
}

TEST_F(NumberPickTest, PickingTheChosenNumberAgainWithdrawsIt) {
    ballAt(5);
    ASSERT_EQ(PickManualNumber(state, 17), NumberPick::Picked);
    EXPECT_EQ(SelNumDispText(state), "17");
    EXPECT_EQ(PickManualNumber(state, 17), NumberPick::Withdrawn);
    EXPECT_EQ(state.ManualNumber, NoneMarker);
    EXPECT_EQ(state.ManualSteps, NoneMarker);
    EXPECT_EQ(SelNumDispText(state), std::nullopt);
    // A third click chooses it again.
    EXPECT_EQ(PickManualNumber(state, 17), NumberPick::Picked);
}

TEST_F(NumberPickTest, AnotherNumberReplacesTheChoice) {
    ballAt(5);
    PickManualNumber(state, 17);
    EXPECT_EQ(PickManualNumber(state, 7), NumberPick::Picked);
    EXPECT_EQ(state.ManualNumber, 7);
    EXPECT_EQ(SelNumDispText(state), " 7");
}

TEST_F(NumberPickTest, AUsedPickIsForgottenAndCanBeChosenAnew) {
    ballAt(5);
    PickManualNumber(state, 17);
    ClearManualNumber(state);
    EXPECT_EQ(state.ManualSteps, NoneMarker);
    EXPECT_EQ(SelNumDispText(state), std::nullopt);
    ballAt(17);
    EXPECT_EQ(PickManualNumber(state, 17), NumberPick::Picked);
    EXPECT_EQ(state.ManualSteps, 37);
}

TEST_F(NumberPickTest, NumbersOffTheTableAreRefusedWithoutChange) {
    ballAt(5);
    PickManualNumber(state, 17);
    for (int number : {DoubleZero, -1, 38, 99, 255}) {
        SCOPED_TRACE(number);
        EXPECT_EQ(PickManualNumber(state, number), NumberPick::Refused);
        EXPECT_EQ(state.ManualNumber, 17);
        EXPECT_NE(state.ManualSteps, NoneMarker);
    }
}

TEST_F(NumberPickTest, DoubleZeroOnTheAmericanTable) {
    state.table = tableOf(AmericanWheel);
    ballAt(1);
    EXPECT_EQ(PickManualNumber(state, DoubleZero), NumberPick::Picked);
    EXPECT_EQ(state.ManualNumber, DoubleZero);
    EXPECT_EQ(state.ManualSteps, 1);
    EXPECT_EQ(SelNumDispText(state), "00");
    ballAt(DoubleZero);
    state.ManualSteps = NoneMarker;
    PickManualNumber(state, 0);
    EXPECT_EQ(state.ManualSteps, 19);
    EXPECT_EQ(SelNumDispText(state), " 0");
}

TEST(NumberRequest, ModesRangesAndInputsPerCallerAndTable) {
    using P = NumberRequestPurpose;
    using I = NumberRequestInput;
    struct Case {
        P purpose;
        TableType table;
        int mode;
        int highest;
        I input;
        std::string_view captionGerman;
    };
    const Case cases[] = {
        {P::Finale, TableType::French, 0, 9, I::SpinEdit, "Finale festlegen"},
        {P::Finale, TableType::American, 0, 9, I::DigitList, "Finale festlegen"},
        {P::OneNeighbour, TableType::French, 0, 36, I::SpinEdit, "1 Nachbar setzen"},
        {P::TwoNeighbours, TableType::American, 0, 37, I::NumberList, "2 Nachbarn setzen"},
        {P::ThreeNeighbours, TableType::American, 0, 37, I::NumberList, "3 Nachbarn setzen"},
        {P::SuperShortGame, TableType::French, 1, 32000, I::SpinEdit, "Superkurzspiel"},
        {P::SuperShortGame, TableType::American, 1, 32000, I::SpinEdit, "Superkurzspiel"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.captionGerman);
        const NumberRequest request = numberRequestFor(c.purpose, c.table);
        EXPECT_EQ(request.mode, c.mode);
        EXPECT_EQ(request.lowest, 0);
        EXPECT_EQ(request.highest, c.highest);
        EXPECT_EQ(request.input, c.input);
        EXPECT_EQ(request.caption.german, c.captionGerman);
        EXPECT_EQ(request.info.has_value(), c.mode == 1);
        if (c.input != I::SpinEdit) {
            EXPECT_EQ(static_cast<int>(listItems(c.input).size()), c.highest + 1);
        }
    }
    const NumberRequest superShort = numberRequestFor(P::SuperShortGame, TableType::French);
    EXPECT_EQ(superShort.label.english, "Supershortgamecounter");
    EXPECT_EQ((*superShort.info)[Language::German], "(0 = unendlich)");
}

TEST(NumberRequest, ListIndexIsTheValueWithDoubleZeroLast) {
    const auto numbers = listItems(NumberRequestInput::NumberList);
    EXPECT_EQ(numbers.front(), "0");
    EXPECT_EQ(numbers[36], "36");
    EXPECT_EQ(numbers.back(), "00");
    EXPECT_EQ(listValue(NumberRequestInput::NumberList, 37), DoubleZero);
    EXPECT_EQ(listValue(NumberRequestInput::NumberList, 38), std::nullopt);
    EXPECT_EQ(listItems(NumberRequestInput::DigitList).back(), "9");
    EXPECT_EQ(listValue(NumberRequestInput::DigitList, 9), 9);
    EXPECT_EQ(listValue(NumberRequestInput::DigitList, 10), std::nullopt);
    EXPECT_EQ(listValue(NumberRequestInput::DigitList, -1), std::nullopt);
    EXPECT_TRUE(listItems(NumberRequestInput::SpinEdit).empty());
}

TEST(NumberRequest, SpinEditTakesWholeNumbersInRangeOnly) {
    const NumberRequest superShort =
        numberRequestFor(NumberRequestPurpose::SuperShortGame, TableType::French);
    const NumberRequest finale = numberRequestFor(NumberRequestPurpose::Finale, TableType::French);
    struct Case {
        const NumberRequest& request;
        std::string_view text;
        std::optional<int> value;
    };
    const Case cases[] = {
        {superShort, "0", 0},
        {superShort, "32000", 32000},
        {superShort, "032000", 32000},
        {superShort, "32001", std::nullopt},
        {superShort, "", std::nullopt},
        {superShort, "12a", std::nullopt},
        {superShort, "-1", std::nullopt},
        {superShort, "99999999999", std::nullopt},
        {finale, "9", 9},
        {finale, "10", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(spinEditValue(c.request, c.text), c.value);
    }
    EXPECT_EQ(rangeErrorText(finale, Language::German), "Falscher Wertebereich (0-9)!");
    EXPECT_EQ(rangeErrorText(superShort, Language::English), "Wrong range (0-32000)!");
    EXPECT_TRUE(acceptsKey('0'));
    EXPECT_TRUE(acceptsKey('9'));
    EXPECT_TRUE(acceptsKey('\b'));
    EXPECT_FALSE(acceptsKey('-'));
    EXPECT_FALSE(acceptsKey('a'));
    EXPECT_FALSE(acceptsKey(' '));
}

} // namespace
} // namespace quendra
