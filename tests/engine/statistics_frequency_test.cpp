// The frequency ranking: the exchange sort's order of equal counts, the "*" tie marker and the
// texts of the frequency window's grid.
#include "statistics/FrequencyRanking.h"

#include <gtest/gtest.h>
#include <vector>

namespace quendra {
namespace {

const RankingSection& sectionOf(std::string_view label) {
    for (const RankingSection& section : rankingSections()) {
        if (section.label == label) {
            return section;
        }
    }
    ADD_FAILURE() << label;
    return rankingSections()[0];
}

std::vector<int> codesOf(const std::vector<RankedField>& ranks, std::size_t count) {
    std::vector<int> codes;
    for (std::size_t r = 0; r < count && r < ranks.size(); ++r) {
        codes.push_back(ranks[r].code);
    }
    return codes;
}

TEST(FrequencyRanking, EqualCountsFollowTheExchangeSort) {
    struct Case {
        std::vector<std::pair<int, int>> pleins; // number, count
        std::vector<int> ranks;
    };
    const Case cases[] = {
        // Three at 2: the second-lowest number comes last; then the zeros from the top.
        {{{5, 2}, {9, 2}, {20, 2}}, {5, 20, 9, 36, 35, 34, 33}},
        {{{5, 2}, {9, 2}, {3, 1}}, {5, 9, 3}},
        {{}, {36, 35, 34}},
        {{{0, 4}, {36, 1}}, {0, 36}},
    };
    for (const Case& c : cases) {
        CounterArray counters{};
        for (auto [number, count] : c.pleins) {
            counters[static_cast<std::size_t>(number)] = static_cast<std::uint16_t>(count);
        }
        const std::vector<RankedField> ranks =
            sectionRanking(counters, sectionOf("H-PL"), TableType::French);
        ASSERT_EQ(ranks.size(), 8u);
        EXPECT_EQ(codesOf(ranks, c.ranks.size()), c.ranks);
    }
}

TEST(FrequencyRanking, SectionsKeepTheirRanksOverTheirCodes) {
    CounterArray counters{};
    counters[DoubleZero] = 5;
    counters[*counterSlot({BetKind::Cheval, 63})] = 2;
    const std::vector<RankedField> american =
        sectionRanking(counters, sectionOf("H-PL"), TableType::American);
    EXPECT_EQ(american.front(), (RankedField{DoubleZero, 5}));
    // The French plein section stops at 36; the chevaux run to 63 on both tables.
    EXPECT_EQ(sectionRanking(counters, sectionOf("H-PL"), TableType::French).front().code, 36);
    const std::vector<RankedField> chevals =
        sectionRanking(counters, sectionOf("H-CH"), TableType::French);
    ASSERT_EQ(chevals.size(), 9u);
    EXPECT_EQ(chevals.front(), (RankedField{63, 2}));
    struct Case {
        std::string_view label;
        std::size_t kept;
    };
    for (const Case& c : {Case{"H-CA", 9}, Case{"H-TP", 9}, Case{"H-TS", 9}, Case{"H-KL", 3},
                          Case{"H-DZ", 3}, Case{"H-EN", 6}}) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(sectionRanking(counters, sectionOf(c.label), TableType::French).size(), c.kept);
    }
}

TEST(FrequencyWindow, GridTextsAndTheTieMarker) {
    StatisticsStore store;
    auto& c = store.StatHowOften;
    for (int number = 1; number <= 8; ++number) {
        c[static_cast<std::size_t>(number)] = 1; // eight pleins tie: ranks 7 and 8 are equal
    }
    c[DoubleZero] = 3;
    for (int index = 1; index <= 7; ++index) {
        c[static_cast<std::size_t>(*counterSlot({BetKind::Cheval, index}))] = 2; // 8th at 0
    }
    c[ColumnBase + 2] = 6;
    c[EvenChanceBase + Rouge] = 4;
    c[EvenChanceBase + Passe] = 4;
    const FrequencyWindow window =
        frequencyWindow(store, StatisticsSource::Game, TableType::American, Language::German, {});
    const FrequencyGrid& g = window.cells;
    EXPECT_EQ(g[0][0], "");
    EXPECT_EQ(g[0][1], "1");
    EXPECT_EQ(g[0][8], "8");
    EXPECT_EQ(g[1][0], "H-PL");
    EXPECT_EQ(g[1][1], "00(3)");
    EXPECT_EQ(g[1][7], "7(1)");
    EXPECT_EQ(g[1][8], "*");
    EXPECT_EQ(window.rowHints[1], "häufigsten Pleins");
    EXPECT_EQ(g[2][0], "H-CH");
    EXPECT_EQ(g[2][7], "1(2)");
    EXPECT_EQ(g[2][8], ""); // rank 8 counts 0: no tie beyond the ranks shown
    EXPECT_EQ(g[3][1], ""); // no carré came
    EXPECT_EQ(g[6][0], "H-KL");
    EXPECT_EQ(g[6][1], "2(6)");
    EXPECT_EQ(g[6][2], "");
    EXPECT_EQ(g[8][0], "H-EN");
    EXPECT_EQ(g[8][1], "6(4)");
    EXPECT_EQ(g[8][2], "3(4)");
    EXPECT_EQ(g[8][8], "");
    EXPECT_EQ(window.rowHints[8], "häufigsten Einfachen Chancen");
    EXPECT_EQ(window.caption, "Häufigkeiten");
    EXPECT_EQ(window.printButton, "&Druck");
}

TEST(FrequencyWindow, EmptyWithoutCoupsAndCaptionedForTheAnalysis) {
    const StatisticsStore store;
    AnalysisBookkeeping analysis;
    analysis.AnalysisFileCount = 1;
    analysis.AnalysisFile = "MAI.INP";
    const FrequencyWindow window = frequencyWindow(store, StatisticsSource::Analysis,
                                                   TableType::French, Language::English, analysis);
    for (std::size_t row = 1; row < FrequencyGridSize; ++row) {
        for (std::size_t column = 1; column < FrequencyGridSize; ++column) {
            EXPECT_EQ(window.cells[row][column], "") << row << "," << column;
        }
    }
    EXPECT_EQ(window.caption, "Permanencefile: MAI.INP    Frequency");
    EXPECT_EQ(window.printButton, "&Print");
}

TEST(FrequencyWindow, AnalysisCountersAreRanked) {
    StatisticsStore store;
    store.StatHowOften[4] = 9;
    store.AnalysisHowOften[17] = 2;
    const FrequencyWindow window =
        frequencyWindow(store, StatisticsSource::Analysis, TableType::French, Language::German, {});
    EXPECT_EQ(window.cells[1][1], "17(2)");
    EXPECT_EQ(window.cells[1][2], "");
}

} // namespace
} // namespace quendra
