// The extended bets statistics: finale sums, wheel neighbours across the ends of the wheel
// order, the neighbour and series sums, bold marks, and the window's grids and places.
#include "statistics/ExtendedBetsStatistics.h"
#include "support/FixedTextMeasure.h"
#include "table/Table.h"

#include <gtest/gtest.h>
#include <numeric>
#include <vector>

namespace quendra {
namespace {

using testing::FixedTextMeasure;

constexpr LayoutSize Button{75, 25};

ExtendedBetsFigures figuresOf(const CounterArray& counters, TableType table) {
    return extendedBetsFigures(counters, standardPocketTable(table), table);
}

ExtendedBetsWindow windowOf(const CounterArray& counters, TableType table,
                            Language language = Language::German) {
    return extendedBetsWindow(counters, standardPocketTable(table), table, language,
                              FixedTextMeasure{}, Button);
}

std::vector<std::string> boldCells(const ExtendedBetsWindow& window) {
    std::vector<std::string> bold;
    for (const FigureGrid& grid : window.grids) {
        for (const FigureCell& cell : grid.cells) {
            if (cell.bold) {
                bold.push_back(grid.name + ":" + cell.label);
            }
        }
    }
    return bold;
}

TEST(ExtendedBetsStatistics, FinaleSumsCountTheDoubleZeroToDigitZero) {
    CounterArray counters{};
    counters[10] = 2;
    counters[20] = 1;
    counters[DoubleZero] = 3;
    counters[7] = 4;
    counters[27] = 1;
    const ExtendedBetsFigures american = figuresOf(counters, TableType::American);
    EXPECT_EQ(american.finale[0], 6);
    EXPECT_EQ(american.finale[7], 5);
    EXPECT_EQ(american.finaleMaximum, 6);
    // The French table has no double zero: its counter is never read.
    const ExtendedBetsFigures french = figuresOf(counters, TableType::French);
    EXPECT_EQ(french.finale[0], 3);
    EXPECT_EQ(french.finaleMaximum, 5);
}

TEST(ExtendedBetsStatistics, NeighboursFollowTheWheelAndWrapAroundItsEnds) {
    struct Case {
        TableType table;
        int number;
        Neighbours neighbours;
    };
    const Case cases[] = {
        // The first and the last pocket of the French wheel (10 and 5) are neighbours.
        {TableType::French, 10, {23, 5, 8, 24, 30, 16}},
        {TableType::French, 5, {10, 24, 23, 16, 8, 33}},
        {TableType::French, 24, {5, 16, 10, 33, 23, 1}},
        {TableType::French, 0, {26, 32, 3, 15, 35, 19}},
        {TableType::American, DoubleZero, {1, 27, 13, 10, 36, 25}},
        {TableType::American, 27, {37, 10, 1, 25, 13, 29}},
        {TableType::American, 0, {2, 28, 14, 9, 35, 26}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(numberText(c.number));
        const ExtendedBetsFigures figures = figuresOf(CounterArray{}, c.table);
        EXPECT_EQ(figures.neighbours[static_cast<std::size_t>(c.number)], c.neighbours);
    }
}

TEST(ExtendedBetsStatistics, NeighbourSumsIncludeTheZerosAndTheirMaxima) {
    CounterArray counters{};
    counters[0] = 4;
    counters[32] = 1;
    counters[26] = 2;
    counters[3] = 5;
    counters[19] = 7;
    const ExtendedBetsFigures french = figuresOf(counters, TableType::French);
    // ... 19, 15, 32, 0, 26, 3, 35 ...
    EXPECT_EQ(french.oneNeighbour.values[32], 1 + 0 + 4);
    EXPECT_EQ(french.oneNeighbour.values[0], 4 + 2 + 1);
    EXPECT_EQ(french.twoNeighbours.values[0], 7 + 5 + 0);
    EXPECT_EQ(french.threeNeighbours.values[0], 12 + 0 + 7);
    EXPECT_EQ(french.oneNeighbour.maximum, 4 + 2 + 5); // 26: 0, 26, 3
    EXPECT_EQ(french.threeNeighbours.maximum, 19);

    counters.fill(0);
    counters[DoubleZero] = 6;
    const ExtendedBetsFigures american = figuresOf(counters, TableType::American);
    EXPECT_EQ(american.oneNeighbour.values[1], 6);
    EXPECT_EQ(american.oneNeighbour.values[27], 6);
    EXPECT_EQ(american.oneNeighbour.values[13], 0);
    EXPECT_EQ(american.twoNeighbours.values[13], 6);
    EXPECT_EQ(american.threeNeighbours.values[25], 6);
}

TEST(ExtendedBetsStatistics, SeriesSumsOverTheirNumbers) {
    CounterArray counters{};
    for (int n = 0; n <= 36; ++n) {
        counters[static_cast<std::size_t>(n)] = 1;
    }
    counters[0] = 10;
    const ExtendedBetsFigures figures = figuresOf(counters, TableType::French);
    EXPECT_EQ(figures.series, (std::array<std::int32_t, 4>{16 + 10, 12, 8, 6 + 10}));
    // GS, KS and OR cover the wheel once; ZS lies inside GS.
    std::vector<int> all;
    for (WheelSeries s : {WheelSeries::GS, WheelSeries::KS, WheelSeries::OR}) {
        const auto numbers = seriesNumbers(s);
        all.insert(all.end(), numbers.begin(), numbers.end());
    }
    std::sort(all.begin(), all.end());
    std::vector<int> wheel(37);
    std::iota(wheel.begin(), wheel.end(), 0);
    EXPECT_EQ(all, wheel);
    EXPECT_EQ(seriesCode(WheelSeries::ZS), "ZS");
}

TEST(ExtendedBetsStatisticsWindow, NothingIsBoldWithoutCoupsAndEveryMaximumIsBoldOtherwise) {
    EXPECT_TRUE(boldCells(windowOf(CounterArray{}, TableType::French)).empty());

    CounterArray counters{};
    counters[17] = 2; // on the wheel: ... 27, 6, 34, 17, 25, 2, 21 ...
    counters[23] = 1; // far from 17, below every maximum
    counters[TotalSlot] = 3;
    const ExtendedBetsWindow window = windowOf(counters, TableType::French);
    EXPECT_EQ(boldCells(window),
              (std::vector<std::string>{
                  "Finale:7", "EN_0_18:17", "EN_19_36:25", "EN_19_36:34", "ZN_0_18:2", "ZN_0_18:6",
                  "ZN_0_18:17", "ZN_19_36:25", "ZN_19_36:34", "DN_0_18:2", "DN_0_18:6",
                  "DN_0_18:17", "DN_19_36:21", "DN_19_36:25", "DN_19_36:27", "DN_19_36:34"}));
    EXPECT_EQ(window.grid("Gesamt")->cells[0], (FigureCell{"Gesamt", "3", false}));
    EXPECT_EQ(window.grid("GSKSORZS")->cells[2], (FigureCell{"OR", "2", false}));
}

TEST(ExtendedBetsStatisticsWindow, LayoutOfTheFrenchWindow) {
    const ExtendedBetsWindow window = windowOf(CounterArray{}, TableType::French);
    // Characters 7 wide and 15 high: rows 19, grids 40 high; neighbour columns sized by "00".
    struct Case {
        std::string_view grid;
        LayoutRect rect;
    };
    const Case cases[] = {
        {"Finale", {30, 30, 10 * 12 + 1, 40}}, // sized by its maximum "0"
        {"EN_0_18", {30, 100, 19 * 19 + 1, 40}},
        {"EN_19_36", {30, 139, 18 * 19 + 1, 40}}, // directly below: the border line is shared
        {"ZN_0_18", {30, 209, 362, 40}},
        {"ZN_19_36", {30, 248, 343, 40}},
        {"DN_0_18", {30, 318, 362, 40}},
        {"DN_19_36", {30, 357, 343, 40}},
        {"GSKSORZS", {181, 30, 4 * 19 + 1, 40}}, // sized by "GS"
        {"Gesamt", {288, 30, 52, 40}},           // "Gesamt" + 8, + 2
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.grid);
        ASSERT_NE(window.grid(c.grid), nullptr);
        EXPECT_EQ(window.grid(c.grid)->rect, c.rect);
    }
    EXPECT_TRUE(window.grid("GSKSORZS")->visible);
    EXPECT_EQ(window.window.width, 392 + 30);
    EXPECT_EQ(window.okButton.left, 211 - 20 - Button.width);
    EXPECT_EQ(window.printButton.left, 211 + 20);
    EXPECT_EQ(window.okButton.top, 397 + 30);
    EXPECT_EQ(window.window.height, 427 + Button.height + 40);
    ASSERT_EQ(window.headings.size(), 4u);
    EXPECT_EQ(window.headings[0].text, "Finale");
    EXPECT_EQ(window.headings[1].left, 30);
    EXPECT_EQ(window.headings[1].top, 80);
    EXPECT_EQ(window.headings[3].text, "drei Nachbarn");
    EXPECT_EQ(window.caption, "Statistik der erweiterten Setzmöglichkeiten");
    EXPECT_EQ(window.printButton.text, "&Druck");
}

TEST(ExtendedBetsStatisticsWindow, LargeFiguresWidenTheirFamilyAndTheSeries) {
    CounterArray counters{};
    counters[17] = 1200;
    counters[TotalSlot] = 1200;
    const ExtendedBetsWindow window = windowOf(counters, TableType::French);
    const FixedTextMeasure measure;
    EXPECT_EQ(window.grid("Finale")->columnWidth, measure.width("1200") + 4);
    EXPECT_EQ(window.grid("DN_19_36")->columnWidth, measure.width("1200") + 4);
    EXPECT_EQ(window.grid("GSKSORZS")->columnWidth, measure.width("1200") + 4);

    counters.fill(0);
    counters[17] = 35; // a neighbour family below 36 keeps the width of "00"
    EXPECT_EQ(windowOf(counters, TableType::French).grid("EN_0_18")->columnWidth,
              measure.width("00") + 4);
    counters[17] = 36;
    EXPECT_EQ(windowOf(counters, TableType::French).grid("EN_0_18")->columnWidth,
              measure.width("36") + 4);
}

TEST(ExtendedBetsStatisticsWindow, AmericanWindowHidesTheSeriesAndEndsWithDoubleZero) {
    CounterArray counters{};
    counters[DoubleZero] = 2;
    const ExtendedBetsWindow window = windowOf(counters, TableType::American, Language::English);
    EXPECT_FALSE(window.grid("GSKSORZS")->visible);
    // The total keeps its place right of the hidden series grid.
    EXPECT_EQ(window.grid("Gesamt")->rect.left, window.grid("GSKSORZS")->rect.right() + 30);
    const FigureGrid& high = *window.grid("EN_19_36");
    ASSERT_EQ(high.cells.size(), 19u);
    EXPECT_EQ(high.cells.back(), (FigureCell{"00", "2", true}));
    EXPECT_EQ(high.rect.width, 19 * 19 + 1);
    EXPECT_EQ(window.grid("Gesamt")->cells[0].label, "Total");
    EXPECT_EQ(window.caption, "Statistics over expand setpossibilitys");
    EXPECT_EQ(window.headings[1].text, "One neighbour");
    EXPECT_EQ(window.headings[2].text, "Two neighbours");
    EXPECT_EQ(window.printButton.text, "&Print");
}

} // namespace
} // namespace quendra
