// The extended bets statistics: finale, neighbour and series sums, and the window's layout.
#include "statistics/ExtendedBetsStatistics.h"

#include <algorithm>

namespace quendra {
namespace {

constexpr std::array<int, 17> GrandeSerie{22, 18, 29, 7,  28, 12, 35, 3, 26,
                                          0,  32, 15, 19, 4,  21, 2,  25};
constexpr std::array<int, 12> PetiteSerie{33, 16, 24, 5, 10, 23, 8, 30, 11, 36, 13, 27};
constexpr std::array<int, 8> Orphelins{9, 31, 14, 20, 1, 6, 34, 17};
constexpr std::array<int, 7> ZeroSpiel{3, 0, 12, 15, 26, 32, 35};

constexpr std::array<std::string_view, WheelSeriesCount> SeriesCodes{"GS", "KS", "OR", "ZS"};

constexpr BilingualText Caption{"Statistik der erweiterten Setzmöglichkeiten",
                                "Statistics over expand setpossibilitys"};

constexpr int Margin = 30;
constexpr int HeadingRise = 20;
constexpr int ButtonGap = 20;
constexpr int WindowBottom = 40;

// Next, previous, second next, second previous, third next, third previous; each step wraps.
Neighbours neighboursAt(std::span<const PocketRecord> pocketTable, std::size_t pocket) {
    const std::size_t count = pocketTable.size();
    Neighbours found{};
    std::size_t next = pocket;
    std::size_t previous = pocket;
    for (int step = 0; step < 3; ++step) {
        next = (next + 1) % count;
        previous = (previous + count - 1) % count;
        found[static_cast<std::size_t>(2 * step)] = pocketTable[next].number;
        found[static_cast<std::size_t>(2 * step + 1)] = pocketTable[previous].number;
    }
    return found;
}

Neighbours neighboursOf(std::span<const PocketRecord> pocketTable, int number) {
    const auto pocket =
        std::find_if(pocketTable.begin(), pocketTable.end(),
                     [&](const PocketRecord& record) { return record.number == number; });
    if (pocket == pocketTable.end()) {
        Neighbours none;
        none.fill(NoNeighbour);
        return none;
    }
    return neighboursAt(pocketTable, static_cast<std::size_t>(pocket - pocketTable.begin()));
}

// The number's count and its first `neighbours` neighbours'.
std::int32_t neighbourSum(const CounterArray& counters, int number, const Neighbours& around,
                          int neighbours) {
    std::int32_t sum = counters[static_cast<std::size_t>(number)];
    for (int k = 0; k < neighbours; ++k) {
        const int neighbour = around[static_cast<std::size_t>(k)];
        if (neighbour != NoNeighbour) {
            sum += counters[static_cast<std::size_t>(neighbour)];
        }
    }
    return sum;
}

void raise(std::int32_t& maximum, std::int32_t value) {
    maximum = std::max(maximum, value);
}

struct GridSizing {
    std::string text;
    int widthExtra = 4;
};

FigureGrid sizedGrid(std::string_view name, std::vector<FigureCell> cells, const GridSizing& sizing,
                     const TextMeasure& measure) {
    FigureGrid grid;
    grid.name = name;
    grid.cells = std::move(cells);
    grid.columnWidth = measure.width(sizing.text) + sizing.widthExtra;
    grid.rowHeight = measure.height(sizing.text) + 4;
    grid.rect.width = figureGridWidth(grid);
    grid.rect.height = 2 * grid.rowHeight + 2;
    return grid;
}

std::vector<FigureCell> sumCells(const NumberSums& sums, int first, int last) {
    std::vector<FigureCell> cells;
    for (int number = first; number <= last; ++number) {
        const std::int32_t value = sums.values[static_cast<std::size_t>(number)];
        cells.push_back({numberText(number), std::to_string(value),
                         sums.maximum != 0 && value == sums.maximum});
    }
    return cells;
}

// A neighbour family is at least as wide as "00".
GridSizing neighbourSizing(std::int32_t maximum) {
    return {maximum < 36 ? "00" : std::to_string(maximum)};
}

struct Family {
    std::string_view lowName;
    std::string_view highName;
    std::string_view headingName;
    BilingualText heading;
    const NumberSums ExtendedBetsFigures::*sums;
};

constexpr std::array<Family, 3> Families{{
    {"EN_0_18",
     "EN_19_36",
     "ENueber",
     {"ein Nachbar", "One neighbour"},
     &ExtendedBetsFigures::oneNeighbour},
    {"ZN_0_18",
     "ZN_19_36",
     "ZNueber",
     {"zwei Nachbarn", "Two neighbours"},
     &ExtendedBetsFigures::twoNeighbours},
    {"DN_0_18",
     "DN_19_36",
     "DNueber",
     {"drei Nachbarn", "Three neighbours"},
     &ExtendedBetsFigures::threeNeighbours},
}};

PlacedText headingAbove(std::string_view name, std::string_view text, const FigureGrid& grid) {
    return {std::string(name), std::string(text), grid.rect.left, grid.rect.top - HeadingRise};
}

} // namespace

std::span<const int> seriesNumbers(WheelSeries series) {
    switch (series) {
    case WheelSeries::KS:
        return PetiteSerie;
    case WheelSeries::OR:
        return Orphelins;
    case WheelSeries::ZS:
        return ZeroSpiel;
    case WheelSeries::GS:
        break;
    }
    return GrandeSerie;
}

std::string_view seriesCode(WheelSeries series) {
    return SeriesCodes[static_cast<std::size_t>(series)];
}

ExtendedBetsFigures extendedBetsFigures(const CounterArray& counters,
                                        std::span<const PocketRecord> pocketTable,
                                        TableType table) {
    ExtendedBetsFigures figures;
    const int highest = highestNumber(table);
    for (int number = 0; number <= highest; ++number) {
        const std::size_t digit = number == DoubleZero ? 0 : static_cast<std::size_t>(number % 10);
        figures.finale[digit] += counters[static_cast<std::size_t>(number)];
        raise(figures.finaleMaximum, figures.finale[digit]);
    }
    for (int s = 0; s < WheelSeriesCount; ++s) {
        for (int number : seriesNumbers(static_cast<WheelSeries>(s))) {
            figures.series[static_cast<std::size_t>(s)] +=
                counters[static_cast<std::size_t>(number)];
        }
    }
    for (int number = 0; number <= highest; ++number) {
        const auto n = static_cast<std::size_t>(number);
        figures.neighbours[n] = neighboursOf(pocketTable, number);
        const struct {
            NumberSums& sums;
            int neighbours;
        } families[] = {
            {figures.oneNeighbour, 2}, {figures.twoNeighbours, 4}, {figures.threeNeighbours, 6}};
        for (const auto& family : families) {
            family.sums.values[n] =
                neighbourSum(counters, number, figures.neighbours[n], family.neighbours);
            raise(family.sums.maximum, family.sums.values[n]);
        }
    }
    figures.total = counters[TotalSlot];
    return figures;
}

ExtendedBetsWindow extendedBetsWindow(const CounterArray& counters,
                                      std::span<const PocketRecord> pocketTable, TableType table,
                                      Language language, const TextMeasure& measure,
                                      LayoutSize button) {
    ExtendedBetsWindow window;
    window.caption = Caption[language];
    window.figures = extendedBetsFigures(counters, pocketTable, table);
    const ExtendedBetsFigures& figures = window.figures;

    std::vector<FigureCell> finaleCells;
    for (int digit = 0; digit < 10; ++digit) {
        const std::int32_t value = figures.finale[static_cast<std::size_t>(digit)];
        finaleCells.push_back({std::to_string(digit), std::to_string(value),
                               figures.finaleMaximum != 0 && value == figures.finaleMaximum});
    }
    FigureGrid finale = sizedGrid("Finale", std::move(finaleCells),
                                  {std::to_string(figures.finaleMaximum)}, measure);
    finale.rect.left = Margin;
    finale.rect.top = Margin;
    window.headings.push_back(headingAbove("Finaleueber", "Finale", finale));
    window.grids.push_back(finale);

    LayoutRect upperRect = finale.rect;
    for (const Family& family : Families) {
        const NumberSums& sums = figures.*family.sums;
        const GridSizing sizing = neighbourSizing(sums.maximum);
        FigureGrid low = sizedGrid(family.lowName, sumCells(sums, 0, 18), sizing, measure);
        low.rect = placedBelow(upperRect, {low.rect.width, low.rect.height}, Margin);
        FigureGrid high =
            sizedGrid(family.highName, sumCells(sums, 19, highestNumber(table)), sizing, measure);
        high.rect = placedDirectlyBelow(low.rect, {high.rect.width, high.rect.height});
        window.headings.push_back(headingAbove(family.headingName, family.heading[language], low));
        upperRect = high.rect;
        window.grids.push_back(std::move(low));
        window.grids.push_back(std::move(high));
    }
    const LayoutRect lastNeighbours = upperRect;
    const LayoutRect widestNeighbours = window.grid("DN_0_18")->rect;

    std::vector<FigureCell> seriesCells;
    GridSizing seriesSizing{"GS"};
    for (int s = 0; s < WheelSeriesCount; ++s) {
        const std::string value = std::to_string(figures.series[static_cast<std::size_t>(s)]);
        if (measure.width(value) > measure.width(seriesSizing.text)) {
            seriesSizing.text = value;
        }
        seriesCells.push_back({std::string(seriesCode(static_cast<WheelSeries>(s))), value});
    }
    FigureGrid series = sizedGrid("GSKSORZS", std::move(seriesCells), seriesSizing, measure);
    series.rect = placedRightOf(finale.rect, {series.rect.width, series.rect.height}, Margin);
    series.visible = table == TableType::French;

    const std::string totalWord(TotalWord[language]);
    FigureGrid total =
        sizedGrid("Gesamt", {{totalWord, std::to_string(figures.total)}}, {totalWord, 8}, measure);
    total.rect = placedRightOf(series.rect, {total.rect.width, total.rect.height}, Margin);
    total.rect.top = finale.rect.top;

    window.window.width = std::max(widestNeighbours.right(), total.rect.right()) + Margin;
    const int middle = window.window.width / 2;
    const int buttonTop = lastNeighbours.bottom() + Margin;
    window.okButton = {"Erw_OK", "&OK", middle - ButtonGap - button.width, buttonTop};
    window.printButton = {"Erw_Druck", std::string(PrintButtonText[language]), middle + ButtonGap,
                          buttonTop};
    window.window.height = buttonTop + button.height + WindowBottom;
    window.grids.push_back(std::move(series));
    window.grids.push_back(std::move(total));
    return window;
}

} // namespace quendra
