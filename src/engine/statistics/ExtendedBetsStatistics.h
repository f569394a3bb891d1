// The extended bets statistics: how often each final digit, each number with one, two or three
// wheel neighbours and each wheel series won, from the game's plein counters, and the window's
// grids with their bold marks, sizes and places.
#pragma once

#include "statistics/StatisticsView.h"
#include "table/BetField.h"
#include "table/PocketRecord.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

inline constexpr int NeighbourCount = 6;
// A neighbour entry of a number that no pocket holds.
inline constexpr int NoNeighbour = -1;

// The wheel neighbours of a number: next, previous, second next, second previous, third next,
// third previous, in `PocketTable` order wrapping round the ends.
using Neighbours = std::array<int, NeighbourCount>;

enum class WheelSeries : std::uint8_t { GS, KS, OR, ZS };
inline constexpr int WheelSeriesCount = 4;
// The numbers of a series; the series lie on the French wheel and are summed on both tables.
std::span<const int> seriesNumbers(WheelSeries series);
std::string_view seriesCode(WheelSeries series);

// A family of sums by number with its highest value.
struct NumberSums {
    std::array<std::int32_t, DoubleZero + 1> values{};
    std::int32_t maximum = 0;
};

struct ExtendedBetsFigures {
    std::array<std::int32_t, 10> finale{}; // by final digit; the double zero counts to 0
    std::int32_t finaleMaximum = 0;
    std::array<Neighbours, DoubleZero + 1> neighbours{};
    NumberSums oneNeighbour;    // EN: the number and its two nearest neighbours
    NumberSums twoNeighbours;   // ZN: and the second ones
    NumberSums threeNeighbours; // DN: all six
    std::array<std::int32_t, WheelSeriesCount> series{};
    std::int32_t total = 0;
};

// Computed from `StatHowOften` over numbers 0 to the table's highest number.
ExtendedBetsFigures extendedBetsFigures(const CounterArray& counters,
                                        std::span<const PocketRecord> pocketTable, TableType table);

struct ExtendedBetsWindow {
    std::string caption;
    ExtendedBetsFigures figures;
    std::vector<FigureGrid> grids; // `GSKSORZS` is hidden on the American table
    std::vector<PlacedText> headings;
    PlacedText okButton;    // `Erw_OK`
    PlacedText printButton; // `Erw_Druck`
    LayoutSize window;

    const FigureGrid* grid(std::string_view name) const { return findGrid(grids, name); }
};

// The window as it opens. `measure` measures in the window's 12-point bold font; `button` is the
// size of the two buttons below the grids.
ExtendedBetsWindow extendedBetsWindow(const CounterArray& counters,
                                      std::span<const PocketRecord> pocketTable, TableType table,
                                      Language language, const TextMeasure& measure,
                                      LayoutSize button);

} // namespace quendra
