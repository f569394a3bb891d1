// The player statistics: the development chart, minimum, maximum, sum and average of the
// cumulative results, the value axis, and the figures of the two grids with their formatting.
#include "statistics/PlayerStatistics.h"

#include <gtest/gtest.h>
#include <vector>

namespace quendra {
namespace {

class PlayerStatistics : public ::testing::Test {
protected:
    PlayerStatistics() {
        state.settings.PlayerCount = 4;
        state.settings.ShowPieces = true;
        state.settings.PieceValue = 5;
    }

    // Plays coups with the given net result of each player per coup; an empty list for a player
    // means he did not stake.
    void play(const std::array<std::vector<std::int32_t>, PlayerSlots>& nets) {
        std::size_t coups = 0;
        for (const auto& n : nets) {
            coups = std::max(coups, n.size());
        }
        for (std::size_t k = 0; k < coups; ++k) {
            ++state.SpielerStatPos;
            for (int p = 1; p <= PlayerSlots; ++p) {
                Player& player = state.player(p);
                const auto& mine = nets[static_cast<std::size_t>(p - 1)];
                const std::int32_t net = k < mine.size() ? mine[k] : 0;
                const std::int32_t before =
                    player.history.empty() ? 0 : player.history.back().cumulative;
                player.history.push_back({0, net, before + net});
            }
        }
    }

    GameState state;
    PlayerResults results;
};

TEST_F(PlayerStatistics, WithoutACoupOneEmptyPointAndTheResultsOfTheirLastComputation) {
    results[1].PlayerMinimum = -7;
    results[1].PlayerAverage = -2;
    const PlayerChart chart = showPlayerStatistics(state, results, Language::German);
    EXPECT_EQ(chart.seriesCount, 1);
    EXPECT_EQ(chart.pointCount, 1);
    EXPECT_TRUE(chart.values.empty());
    EXPECT_EQ(chart.axisMinimum, -1);
    EXPECT_EQ(chart.axisMaximum, 1);
    EXPECT_EQ(results[1].PlayerMinimum, -7);
    EXPECT_EQ(results[1].PlayerAverage, -2);
    EXPECT_EQ(chart.legends[3], "Spieler 4");

    state.settings.ShowPieces = false;
    const PlayerChart real = showPlayerStatistics(state, results, Language::English);
    EXPECT_EQ(real.axisMinimum, -5);
    EXPECT_EQ(real.axisMaximum, 5);
    EXPECT_EQ(real.legends[0], "Player 1");
    clearPlayerResults(results);
    EXPECT_EQ(results[1].PlayerMinimum, 0);
}

TEST_F(PlayerStatistics, ResultsOfLosersWinnersAndAPlayerWhoNeverStakes) {
    // Cumulative: player 1 -1, -2, -2; player 2 4, 10, 7; player 3 -3, 2, 1; player 4 nothing.
    play({{{-1, -1, 0}, {4, 6, -3}, {-3, 5, -1}, {}}});
    const PlayerChart chart = showPlayerStatistics(state, results, Language::German);
    ASSERT_EQ(chart.seriesCount, 4);
    ASSERT_EQ(chart.pointCount, 3);
    EXPECT_EQ(chart.values[0], (std::vector<std::int32_t>{-1, -2, -2}));
    EXPECT_EQ(chart.values[1], (std::vector<std::int32_t>{4, 10, 7}));
    EXPECT_EQ(chart.values[3], (std::vector<std::int32_t>{0, 0, 0}));
    struct Expected {
        std::int32_t minimum;
        std::int32_t maximum;
        std::int64_t sum;
        std::int32_t average;
    };
    const Expected expected[] = {
        {-2, 0, -5, -1}, // only lost: maximum 0; -5 div 3 truncates towards zero
        {0, 10, 21, 7},  // only won: minimum 0
        {-3, 2, 0, 0},
        {0, 0, 0, 0},
    };
    for (int p = 0; p < PlayerSlots; ++p) {
        SCOPED_TRACE(p + 1);
        const PlayerResult& r = results[static_cast<std::size_t>(p)];
        EXPECT_EQ(r.PlayerMinimum, expected[p].minimum);
        EXPECT_EQ(r.PlayerMaximum, expected[p].maximum);
        EXPECT_EQ(r.PlayerSum, expected[p].sum);
        EXPECT_EQ(r.PlayerAverage, expected[p].average);
    }
    EXPECT_EQ(chart.axisMinimum, -3 - 1);
    EXPECT_EQ(chart.axisMaximum, 10 + 1);
    state.settings.ShowPieces = false;
    EXPECT_EQ(showPlayerStatistics(state, results, Language::German).axisMaximum, 10 + 5);
}

TEST_F(PlayerStatistics, PlayersBeyondThePlayerCountAreChartedToo) {
    state.settings.PlayerCount = 1;
    play({{{1}, {2}, {3}, {4}}});
    const PlayerChart chart = showPlayerStatistics(state, results, Language::German);
    EXPECT_EQ(chart.values[3], (std::vector<std::int32_t>{4}));
    EXPECT_EQ(results[3].PlayerMaximum, 4);
}

TEST_F(PlayerStatistics, PastTheHistoryLimitTheChartHolds32000PointsAndTheAverageDividesByAll) {
    // Cumulative results close to the 32-bit limit: their sum over 32000 coups needs 64 bits.
    constexpr std::int32_t High = 2'000'000'000;
    std::vector<std::int32_t> nets(HistoryLimit, 0);
    nets[0] = High;
    play({{nets, {}, {}, {}}});
    state.SpielerStatPos = HistoryLimit + 8000; // coups played beyond the kept histories
    state.statistics.StatHowOften[TotalSlot] = HistoryLimit;
    const PlayerChart chart = showPlayerStatistics(state, results, Language::German);
    EXPECT_EQ(chart.pointCount, HistoryLimit);
    EXPECT_EQ(chart.values[0].size(), static_cast<std::size_t>(HistoryLimit));
    EXPECT_EQ(results[0].PlayerSum, std::int64_t{High} * HistoryLimit);
    EXPECT_EQ(results[0].PlayerAverage,
              static_cast<std::int32_t>(std::int64_t{High} * HistoryLimit / 40000));
    EXPECT_EQ(playerInfoGrids(state, results, 1, Language::German).figures[3].value, "32000");
}

TEST_F(PlayerStatistics, GridFiguresAndTheirFormatting) {
    struct Case {
        std::string name;
        int playerCount;
        std::int32_t balance;
        std::int64_t staked;
        int coups;
        std::string balanceText;
        std::string perCoup;
        std::string perTurnover;
    };
    const Case cases[] = {
        {"loss", 4, -30, 120, 8, "-30", "-3.75", "-25.00%"},
        {"small win", 4, 5, 40, 10, "5", "0.50", "12.50%"},
        {"even", 4, 0, 40, 10, "0", "0.00", "0.00%"},
        {"no turnover", 4, 0, 0, 10, "0", "0.00", "0%"},
        {"no coup counted", 4, 7, 10, 0, "7", "0", "70.00%"},
        {"beyond the player count", 2, -30, 120, 8, "0", "0", "0%"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state.settings.PlayerCount = c.playerCount;
        Player& player = state.player(3);
        player.StartCapital = 1000;
        player.Capital = 1000 + c.balance;
        player.TotalStaked = c.staked;
        player.CoupsWithStake = 6;
        player.sys.Counters = {0, 0, 0, 4, 2};
        state.statistics.StatHowOften[TotalSlot] = static_cast<std::uint16_t>(c.coups);
        results[2] = {-40, 12, 0, -9};
        const PlayerInfoGrids grids = playerInfoGrids(state, results, 3, Language::German);
        EXPECT_EQ(grids.figures, (PlayerInfoRow{{{"", "Spieler 3"},
                                                 {"Umsatz", std::to_string(c.staked)},
                                                 {"effekt. Sätze", "6"},
                                                 {"Coups", std::to_string(c.coups)},
                                                 {"Guthaben", std::to_string(1000 + c.balance)},
                                                 {"rel. Saldo", c.balanceText},
                                                 {"Saldo/Coups", c.perCoup}}}));
        EXPECT_EQ(grids.results, (PlayerInfoRow{{{"", "Spieler 3"},
                                                 {"Minimum", "-40"},
                                                 {"Maximum", "12"},
                                                 {"Mittelwert", "-9"},
                                                 {"Cups mit Gew", "4"},
                                                 {"Cups mit Ver", "2"},
                                                 {"% Saldo/Umsatz", c.perTurnover}}}));
    }
}

TEST_F(PlayerStatistics, EnglishLabels) {
    const PlayerInfoGrids grids = playerInfoGrids(state, results, 2, Language::English);
    std::vector<std::string> labels;
    for (const auto& row : {grids.figures, grids.results}) {
        for (const PlayerInfoColumn& column : row) {
            labels.push_back(column.label);
        }
    }
    EXPECT_EQ(labels, (std::vector<std::string>{"", "revenue", "effect. bets", "coups", "assets",
                                                "rel. balance", "balance/coups", "", "Minimum",
                                                "Maximum", "average value", "Cups with Pro",
                                                "Cups with Los", "% balance/rev"}));
    EXPECT_EQ(grids.figures[0].value, "Player 2");
    EXPECT_EQ(PlayerStatisticsCaption[Language::English], "Player statistic");
    EXPECT_EQ(playerInfoGrids(state, results, 5, Language::English).figures[0].value, "");
}

TEST(PlayerStatisticsFormat, TwoDecimalsAndCentring) {
    struct Case {
        double value;
        std::string text;
    };
    const Case cases[] = {
        {-3.75, "-3.75"}, {0.5, "0.50"}, {0.0, "0.00"}, {1234.5, "1234.50"}, {-0.25, "-0.25"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(twoDecimals(c.value), c.text);
    }
    EXPECT_EQ(centredOffset(85, 30), 28);
    EXPECT_EQ(centredOffset(85, 31), 27);
    EXPECT_EQ(centredOffset(20, 30), -4);
}

} // namespace
} // namespace quendra
