// The statistics store: what one coup counts, the 32000 limits, the resets and the analysis
// recount, checked slot by slot against hand-built pocket records.
#include "statistics/StatisticsStore.h"
#include "table/Table.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace quendra {
namespace {

// Field codes as a wheel data file stores them; only what each case needs is filled in.
PocketRecord pocketOf(int number, char colour) {
    PocketRecord pocket;
    pocket.number = static_cast<std::uint8_t>(number);
    pocket.colour = colour;
    return pocket;
}

// 17: black, manque, impair, column 2, dozen 2; inner fields with every position in use.
PocketRecord seventeen() {
    PocketRecord pocket = pocketOf(17, 'S');
    pocket.evenChances = {Manque, Noir, Impair};
    pocket.column = 2;
    pocket.dozen = 2;
    pocket.transversales = {6, 11, 0, 0};
    pocket.simples = {5, 6};
    pocket.carres = {9, 10, 11, 12};
    pocket.chevals = {25, 26, 27, 28, 29};
    return pocket;
}

// 5: red, manque, impair, column 2, dozen 1.
PocketRecord five() {
    PocketRecord pocket = pocketOf(5, 'R');
    pocket.evenChances = {Manque, Rouge, Impair};
    pocket.column = 2;
    pocket.dozen = 1;
    pocket.transversales = {2, 0, 0, 0};
    pocket.simples = {1, 2};
    pocket.carres = {3, 4, 5, 6};
    pocket.chevals = {7, 8, 9, 10, 0};
    return pocket;
}

// The zeros carry inner-field codes but no even chance, column or dozen.
PocketRecord zero() {
    PocketRecord pocket = pocketOf(0, 'H');
    pocket.transversales = {1, 0, 0, 0};
    pocket.carres = {1, 0, 0, 0};
    pocket.chevals = {1, 2, 3, 0, 0};
    return pocket;
}

PocketRecord doubleZero() {
    PocketRecord pocket = pocketOf(DoubleZero, 'H');
    pocket.transversales = {15, 0, 0, 0};
    pocket.carres = {23, 0, 0, 0};
    pocket.chevals = {61, 62, 0, 0, 0};
    return pocket;
}

int slotOf(BetKind kind, int index) {
    return *counterSlot(BetField{kind, index});
}

std::vector<int> innerSlotsOf(const PocketRecord& pocket) {
    std::vector<int> slots;
    auto add = [&](BetKind kind, auto codes) {
        for (std::uint8_t code : codes) {
            if (code != 0) {
                slots.push_back(slotOf(kind, code));
            }
        }
    };
    add(BetKind::TransversalePlein, pocket.transversales);
    add(BetKind::TransversaleSimple, pocket.simples);
    add(BetKind::Carre, pocket.carres);
    add(BetKind::Cheval, pocket.chevals);
    return slots;
}

bool isInnerSlot(int slot) {
    return slot > TransversalePleinBase && slot < TotalSlot;
}

// The store is 64 KB; keep it off the test's stack.
class StatisticsStoreTest : public ::testing::Test {
protected:
    std::unique_ptr<StatisticsStore> owned = std::make_unique<StatisticsStore>();
    StatisticsStore& store = *owned;

    void play(const PocketRecord& pocket, int times, bool extended) {
        for (int i = 0; i < times; ++i) {
            Stat_RecordCoup(store, pocket, extended);
        }
    }
};

TEST(StatisticsCounterSlot, FollowsTheSectionBases) {
    struct Case {
        BetField field;
        std::optional<int> slot;
    };
    const Case cases[] = {
        {{BetKind::Plein, 0}, 0},
        {{BetKind::Plein, 37}, 37},
        {{BetKind::Plein, 38}, std::nullopt},
        {{BetKind::EvenChance, 1}, 38},
        {{BetKind::EvenChance, 6}, 43},
        {{BetKind::Column, 1}, 44},
        {{BetKind::Dozen, 3}, 49},
        {{BetKind::TransversalePlein, 1}, 51},
        {{BetKind::TransversalePlein, 16}, 66},
        {{BetKind::TransversaleSimple, 11}, 77},
        {{BetKind::Carre, 1}, 78},
        {{BetKind::Carre, 23}, 100},
        {{BetKind::Cheval, 1}, 101},
        {{BetKind::Cheval, 63}, 163},
        {{BetKind::Cheval, 0}, std::nullopt},
        {{BetKind::Dozen, 4}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(fieldCode(c.field));
        EXPECT_EQ(counterSlot(c.field), c.slot);
    }
}

TEST(StatisticsCoupCode, ByColourLetterAndBack) {
    struct Case {
        int number;
        char colour;
        std::optional<std::uint8_t> code;
    };
    const Case cases[] = {
        {0, 'H', 0},
        {5, 'R', 5},
        {17, 'S', 67},
        {36, 'R', 36},
        {35, 'S', 85},
        {DoubleZero, 'H', 37},
        // A damaged letter falls back to the number's own colour instead of leaving no code.
        {17, 'X', 67},
        {5, '?', 5},
        {0, 'S', 0},
        {DoubleZero, 'S', 37},
        {38, 'R', std::nullopt},
        {250, 'S', std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.number << ' ' << c.colour);
        const std::optional<std::uint8_t> code = CoupCode(pocketOf(c.number, c.colour));
        EXPECT_EQ(code, c.code);
        if (code && c.colour != 'S') {
            EXPECT_EQ(CoupNumber(*code), c.number);
        }
    }
    EXPECT_EQ(CoupNumber(67), 17);
    EXPECT_EQ(CoupNumber(DaySeparatorCode), std::nullopt);
}

TEST_F(StatisticsStoreTest, CountsEveryFieldOfTheNumber) {
    const PocketRecord pocket = seventeen();
    EXPECT_EQ(Stat_RecordCoup(store, pocket, true), StatCount::Counted);

    std::vector<int> expected = {17,
                                 slotOf(BetKind::EvenChance, Manque),
                                 slotOf(BetKind::EvenChance, Noir),
                                 slotOf(BetKind::EvenChance, Impair),
                                 slotOf(BetKind::Column, 2),
                                 slotOf(BetKind::Dozen, 2),
                                 TotalSlot};
    for (int slot : innerSlotsOf(pocket)) {
        expected.push_back(slot);
    }
    for (int slot = 0; slot < CounterSlots; ++slot) {
        SCOPED_TRACE(slot);
        const bool won = std::find(expected.begin(), expected.end(), slot) != expected.end();
        EXPECT_EQ(store.StatHowOften[slot], won ? 1 : 0);
        // Every slot advanced by one; the won fields went back to 0. The total never does.
        EXPECT_EQ(store.StatSinceNot[slot], won && slot != TotalSlot ? 0 : 1);
    }
    EXPECT_EQ(store.YearCups, 1);
    EXPECT_EQ(store.PermanenzPos, 2);
    EXPECT_EQ(store.Permanenz[0], 67);
}

TEST_F(StatisticsStoreTest, SinceNotCountsTheCoupsSinceTheLastWin) {
    play(seventeen(), 1, true);
    play(five(), 2, true);
    EXPECT_EQ(store.StatSinceNot[17], 2);
    EXPECT_EQ(store.StatSinceNot[5], 0);
    EXPECT_EQ(store.StatSinceNot[slotOf(BetKind::EvenChance, Noir)], 2);
    EXPECT_EQ(store.StatSinceNot[slotOf(BetKind::EvenChance, Manque)], 0);
    EXPECT_EQ(store.StatSinceNot[slotOf(BetKind::Dozen, 3)], 3);
    EXPECT_EQ(store.StatSinceNot[TotalSlot], 3);
    EXPECT_EQ(store.StatHowOften[slotOf(BetKind::Column, 2)], 3);
}

TEST_F(StatisticsStoreTest, ZerosCountNoOuterFieldAndLeaveTheirSinceNot) {
    const std::vector<int> outerOfFive = {
        slotOf(BetKind::EvenChance, Manque), slotOf(BetKind::EvenChance, Rouge),
        slotOf(BetKind::EvenChance, Impair), slotOf(BetKind::Column, 2), slotOf(BetKind::Dozen, 1)};
    for (const PocketRecord& z : {zero(), doubleZero()}) {
        SCOPED_TRACE(int{z.number});
        Stat_Reset(store);
        play(five(), 1, true);
        play(z, 1, true);
        for (int slot = EvenChanceBase + 1; slot <= DozenBase + 3; ++slot) {
            SCOPED_TRACE(slot);
            const bool wonByFive =
                std::find(outerOfFive.begin(), outerOfFive.end(), slot) != outerOfFive.end();
            EXPECT_EQ(store.StatHowOften[slot], wonByFive ? 1 : 0);
            EXPECT_EQ(store.StatSinceNot[slot], wonByFive ? 1 : 2);
        }
        EXPECT_EQ(store.StatHowOften[z.number], 1);
        EXPECT_EQ(store.StatSinceNot[z.number], 0);
        for (int slot : innerSlotsOf(z)) {
            EXPECT_EQ(store.StatHowOften[slot], 1) << slot;
            EXPECT_EQ(store.StatSinceNot[slot], 0) << slot;
        }
    }
}

TEST_F(StatisticsStoreTest, WithoutExtendedStatisticsOnlyOuterFieldsAndNoSinceNot) {
    play(seventeen(), 3, false);
    play(zero(), 2, false);
    play(five(), 4, false);
    for (int slot = 0; slot < CounterSlots; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(store.StatSinceNot[slot], 0);
        if (isInnerSlot(slot)) {
            EXPECT_EQ(store.StatHowOften[slot], 0);
        }
    }
    EXPECT_EQ(store.StatHowOften[17], 3);
    EXPECT_EQ(store.StatHowOften[0], 2);
    EXPECT_EQ(store.StatHowOften[slotOf(BetKind::EvenChance, Impair)], 7);
    EXPECT_EQ(store.StatHowOften[TotalSlot], 9);
    EXPECT_EQ(store.YearCups, 9);
}

TEST_F(StatisticsStoreTest, SwitchingExtendedOnStartsSinceNotFromThatCoup) {
    play(seventeen(), 5, false);
    play(five(), 1, true);
    play(five(), 1, true);
    EXPECT_EQ(store.StatSinceNot[17], 2);
    EXPECT_EQ(store.StatSinceNot[TotalSlot], 2);
    EXPECT_EQ(store.StatHowOften[slotOf(BetKind::Carre, 9)], 0);
    EXPECT_EQ(store.StatHowOften[slotOf(BetKind::Carre, 3)], 2);
}

TEST_F(StatisticsStoreTest, DamagedFieldCodesStayInTheirSection) {
    PocketRecord pocket = pocketOf(8, 'S');
    // A carré code of 0 in front would be the last transversale simple, a cheval code of 0 the
    // last carré; codes beyond a section would reach the next one or leave the array.
    pocket.carres = {0, 24, 0, 0};
    pocket.chevals = {0, 64, 255, 0, 0};
    pocket.transversales = {0, 17, 0, 0};
    pocket.evenChances = {0, 7, 255};
    pocket.column = 4;
    pocket.dozen = 200;
    EXPECT_EQ(Stat_Update(store, pocket, true), StatCount::Counted);
    for (int slot = 0; slot < TotalSlot; ++slot) {
        EXPECT_EQ(store.StatHowOften[slot], slot == 8 ? 1 : 0) << slot;
    }
}

TEST_F(StatisticsStoreTest, PocketWithoutRouletteNumberIsNotCounted) {
    const auto before = std::make_unique<StatisticsStore>(store);
    EXPECT_EQ(Stat_RecordCoup(store, pocketOf(38, 'R'), true), StatCount::NotCounted);
    EXPECT_EQ(store.StatHowOften, before->StatHowOften);
    EXPECT_EQ(store.PermanenzPos, 1);
    EXPECT_EQ(store.YearCups, 0);
}

TEST_F(StatisticsStoreTest, The32000thCoupIsCountedAndAnnouncedTheNextIsNot) {
    int limitReports = 0;
    for (int coup = 1; coup <= HistoryLimit; ++coup) {
        const StatCount result = Stat_RecordCoup(store, coup % 2 ? five() : seventeen(), true);
        limitReports += result == StatCount::LimitReached;
        ASSERT_NE(result, StatCount::NotCounted) << coup;
    }
    EXPECT_EQ(limitReports, 1);
    EXPECT_EQ(store.StatHowOften[TotalSlot], HistoryLimit);
    EXPECT_EQ(store.PermanenzPos, HistoryLimit + 1);
    // The zero never came: its since-when-not count is every coup.
    EXPECT_EQ(store.StatSinceNot[0], HistoryLimit);
    EXPECT_EQ(store.StatSinceNot[TotalSlot], HistoryLimit);
    EXPECT_EQ(store.StatSinceNot[5], 1);
    EXPECT_EQ(store.StatSinceNot[17], 0);

    const auto before = std::make_unique<StatisticsStore>(store);
    EXPECT_EQ(Stat_RecordCoup(store, zero(), true), StatCount::NotCounted);
    EXPECT_EQ(store.StatHowOften, before->StatHowOften);
    EXPECT_EQ(store.StatSinceNot.counts(), before->StatSinceNot.counts());
    EXPECT_EQ(store.YearCups, HistoryLimit);
    EXPECT_EQ(store.PermanenzPos, HistoryLimit + 1);
    EXPECT_EQ(store.Permanenz, before->Permanenz);
}

TEST_F(StatisticsStoreTest, HistoryKeepsItsFirst32000Entries) {
    for (int entry = 1; entry < HistoryLimit; ++entry) {
        Permanenz_Append(store, 5);
    }
    Permanenz_Append(store, DaySeparatorCode);
    EXPECT_EQ(store.PermanenzPos, HistoryLimit + 1);
    Permanenz_Append(store, 17);
    Permanenz_Append(store, DaySeparatorCode);
    EXPECT_EQ(store.PermanenzPos, HistoryLimit + 1);
    EXPECT_EQ(store.gameHistory().size(), std::size_t{HistoryLimit});
    EXPECT_EQ(store.gameHistory().back(), DaySeparatorCode);
}

TEST_F(StatisticsStoreTest, ResetRestartsTheCountersButKeepsTheHistory) {
    play(seventeen(), 3, true);
    Permanenz_Append(store, DaySeparatorCode);
    store.playerResults[2] = {-40, 15, -90, -30};
    Stat_Reset(store);
    EXPECT_EQ(store.StatHowOften, CounterArray{});
    EXPECT_EQ(store.StatSinceNot.counts(), CounterArray{});
    // The player statistics show the results of their last computation: after a reset, none.
    EXPECT_EQ(store.playerResults[2].PlayerMinimum, 0);
    EXPECT_EQ(store.playerResults[2].PlayerSum, 0);
    EXPECT_EQ(store.PermanenzPos, 5);
    EXPECT_EQ(store.YearCups, 3);

    play(five(), 1, true);
    EXPECT_EQ(store.StatHowOften[TotalSlot], 1);
    EXPECT_EQ(store.PermanenzPos, 6);

    store.playerResults[0].PlayerAverage = 7;
    Stat_EndGame(store);
    EXPECT_EQ(store.StatHowOften, CounterArray{});
    EXPECT_EQ(store.playerResults[0].PlayerAverage, 0);
    EXPECT_EQ(store.YearCups, 0);
    EXPECT_EQ(store.PermanenzPos, 1);
    EXPECT_TRUE(store.gameHistory().empty());
}

// On the wheels the program ships, a coup counts exactly the fields of the catalogue that cover
// its number, and its code carries the number's colour.
TEST(StatisticsOnShippedWheels, CountTheFieldsCoveringTheNumber) {
    for (TableType table : {TableType::French, TableType::American}) {
        const auto wheel =
            readWheelFile(std::filesystem::path(QUENDRA_BIN_DIR) / wheelFileName(table), table);
        ASSERT_TRUE(wheel.has_value());
        for (const PocketRecord& pocket : *wheel) {
            SCOPED_TRACE(testing::Message() << wheelFileName(table) << ' ' << int{pocket.number});
            const auto store = std::make_unique<StatisticsStore>();
            ASSERT_EQ(Stat_RecordCoup(*store, pocket, true), StatCount::Counted);
            const int code =
                colourOf(pocket.number) == Colour::Black ? pocket.number + 50 : pocket.number;
            EXPECT_EQ(store->Permanenz[0], code);

            CounterArray expected{};
            expected[TotalSlot] = 1;
            for (int k = 0; k < BetKindCount; ++k) {
                const auto kind = static_cast<BetKind>(k);
                for (int index = firstIndex(kind); index <= lastIndex(kind); ++index) {
                    const BetField field{kind, index};
                    if (fieldCovers(table, field, pocket.number)) {
                        expected[*counterSlot(field)] = 1;
                    }
                }
            }
            EXPECT_EQ(store->StatHowOften, expected);
        }
    }
}

class AnalysisRecountTest : public StatisticsStoreTest {
protected:
    const std::vector<PocketRecord> wheel = {zero(), seventeen(), five(), doubleZero()};

    void load(std::initializer_list<std::uint8_t> codes) {
        for (std::uint8_t code : codes) {
            ASSERT_TRUE(Analysis_Append(store, code));
        }
        Analysis_Recount(store, wheel);
    }
};

TEST_F(AnalysisRecountTest, AddingGivesTheCountsOfOneLoad) {
    load({5, 67, DaySeparatorCode, 37, 0});
    load({67, 37, DaySeparatorCode, 5});
    const CounterArray added = store.AnalysisHowOften;

    Analysis_Clear(store);
    load({5, 67, DaySeparatorCode, 37, 0, 67, 37, DaySeparatorCode, 5});
    EXPECT_EQ(store.AnalysisHowOften, added);
    EXPECT_EQ(store.AnalysisHowOften[TotalSlot], 7);
    EXPECT_EQ(store.AnalysisSeparatorCount, 2);
    EXPECT_EQ(store.AnalysisHowOften[DoubleZero], 2);
    EXPECT_EQ(store.AnalysisHowOften[17], 2);
    // The inner table is counted whatever the game's setting, and no since-when-not exists.
    EXPECT_EQ(store.AnalysisHowOften[slotOf(BetKind::Cheval, 61)], 2);
    EXPECT_EQ(store.AnalysisHowOften[slotOf(BetKind::EvenChance, Manque)], 4);
    EXPECT_EQ(store.StatSinceNot.counts(), CounterArray{});
}

TEST_F(AnalysisRecountTest, OnlyDaySeparatorsCountNothing) {
    load({DaySeparatorCode, DaySeparatorCode, DaySeparatorCode});
    EXPECT_EQ(store.AnalysisHowOften, CounterArray{});
    EXPECT_EQ(store.AnalysisSeparatorCount, 3);
    EXPECT_EQ(store.analysisHistory().size(), 3u);
}

TEST_F(AnalysisRecountTest, HistoryIsBoundedAndUnknownNumbersArePassedOver) {
    for (int entry = 0; entry < HistoryLimit; ++entry) {
        ASSERT_TRUE(Analysis_Append(store, entry % 3 == 0 ? 12 : 5));
    }
    EXPECT_FALSE(Analysis_Append(store, 5));
    Analysis_Recount(store, wheel);
    EXPECT_EQ(store.AnalysisHowOften[TotalSlot], HistoryLimit);
    EXPECT_EQ(store.AnalysisHowOften[5], HistoryLimit - (HistoryLimit + 2) / 3);
    EXPECT_EQ(store.AnalysisHowOften[12], 0);
}

} // namespace
} // namespace quendra
