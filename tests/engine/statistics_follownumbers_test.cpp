// The follow numbers: pairs across day separators, the stretch of the first C coups, the top
// three with the lower number winning ties, and the window's lines.
#include "statistics/FollowNumbers.h"

#include <gtest/gtest.h>
#include <vector>

namespace quendra {
namespace {

constexpr std::uint8_t Sep = DaySeparatorCode;

std::uint16_t pairs(const FollowMatrix& matrix, int number, int follower) {
    return matrix[static_cast<std::size_t>(number)].counts[static_cast<std::size_t>(follower)];
}

TEST(FollowNumbers, PairsSkipDaySeparatorsAndStopAfterTheCountedCoups) {
    struct Case {
        std::string name;
        std::vector<std::uint8_t> history;
        int coups;
        std::vector<std::array<int, 3>> pairs; // number, follower, count
    };
    const Case cases[] = {
        {"separator between", {5, Sep, 57}, 2, {{5, 7, 1}}},
        {"separators at the ends", {Sep, 5, 57, Sep, Sep}, 2, {{5, 7, 1}}},
        {"first C coups only", {1, 2, 3, 4}, 2, {{1, 2, 1}, {2, 3, 0}}},
        {"one coup has no follower", {12}, 1, {{12, 12, 0}}},
        {"repeats", {7, 7, 7, 57}, 4, {{7, 7, 3}}},
        {"no coups counted", {1, 2}, 0, {{1, 2, 0}}},
        {"history shorter than the count", {1, 2}, 9, {{1, 2, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const FollowMatrix matrix = followNumbers(c.history, c.coups, TableType::French);
        ASSERT_EQ(matrix.size(), 37u);
        for (const auto& [number, follower, count] : c.pairs) {
            EXPECT_EQ(pairs(matrix, number, follower), count) << number << "->" << follower;
        }
    }
}

TEST(FollowNumbers, TopThreeKeepTheLowerNumberOnATie) {
    // After 5: 9 twice, 3 twice, 20 once, 1 once.
    const std::vector<std::uint8_t> history = {5, 9, 5, 3, 5, 59, 5, 53, 5, 20, 5, 1};
    const FollowMatrix matrix = followNumbers(history, 12, TableType::French);
    const FollowRow& row = matrix[5];
    EXPECT_EQ(row.followers, (std::array<int, 3>{3, 9, 1}));
    EXPECT_EQ(row.followerCounts, (std::array<std::uint16_t, 3>{2, 2, 1}));
    // A later, larger count pushes the others down.
    const FollowMatrix pushed = followNumbers(
        std::vector<std::uint8_t>{1, 2, 1, 30, 1, 30, 1, 36, 1, 36, 1, 36}, 12, TableType::French);
    EXPECT_EQ(pushed[1].followers, (std::array<int, 3>{36, 30, 2}));
    EXPECT_EQ(pushed[1].followerCounts, (std::array<std::uint16_t, 3>{3, 2, 1}));
}

TEST(FollowNumbersWindow, LinesOfBothTables) {
    StatisticsStore store;
    for (std::uint8_t code : {std::uint8_t{DoubleZero}, std::uint8_t{DoubleZero}, Sep,
                              std::uint8_t{DoubleZero}, std::uint8_t{0}, std::uint8_t{55}}) {
        Permanenz_Append(store, code);
    }
    store.StatHowOften[TotalSlot] = 5;
    const FollowNumbersWindow american = followNumbersWindow(
        store, StatisticsSource::Game, TableType::American, Language::German, {});
    ASSERT_EQ(american.firstTable.size(), 19u);
    ASSERT_EQ(american.secondTable.size(), 19u);
    const FollowNumbersLine& doubleZero = american.secondTable.back();
    EXPECT_EQ(doubleZero.number, "00");
    EXPECT_EQ(doubleZero.followers, (std::array<std::string, 3>{"00(2)", "0(1)", ""}));
    EXPECT_EQ(american.firstTable[0].followers, (std::array<std::string, 3>{"5(1)", "", ""}));
    EXPECT_EQ(american.firstTable[5].followers, (std::array<std::string, 3>{"", "", ""}));
    EXPECT_EQ(american.secondTableHeight, 503);
    EXPECT_EQ(american.caption, "FolgeZahlen");
    EXPECT_EQ(american.printButton, "Druck");

    const FollowNumbersWindow french = followNumbersWindow(
        store, StatisticsSource::Game, TableType::French, Language::English, {});
    EXPECT_EQ(french.secondTable.size(), 18u);
    EXPECT_EQ(french.secondTable.back().number, "36");
    EXPECT_EQ(french.secondTableHeight, 478);
    EXPECT_EQ(french.caption, "Following Numbers");
    EXPECT_EQ(french.printButton, "Print");
}

TEST(FollowNumbersWindow, AnalysisReadsTheAnalysisHistory) {
    StatisticsStore store;
    Permanenz_Append(store, 1);
    Permanenz_Append(store, 2);
    store.StatHowOften[TotalSlot] = 2;
    for (std::uint8_t code : {std::uint8_t{14}, Sep, std::uint8_t{67}}) {
        Analysis_Append(store, code);
    }
    AnalysisBookkeeping analysis;
    analysis.AnalysisFileCount = 2;
    analysis.FirstAnalysisFile = "A.INP";
    analysis.LastAnalysisFile = "B.INP";
    const FollowNumbersWindow window = followNumbersWindow(
        store, StatisticsSource::Analysis, TableType::French, Language::German, analysis);
    EXPECT_EQ(window.firstTable[14].followers[0], "17(1)");
    EXPECT_EQ(window.firstTable[1].followers[0], "");
    EXPECT_EQ(window.caption, "Permanenzdatein: A.INP - B.INP    FolgeZahlen");
}

} // namespace
} // namespace quendra
