// The frequency ranking: the most frequent fields of each section by an exchange sort, whose
// order of equal counts users see, written into the window's 9 × 9 grid.
#pragma once

#include "statistics/StatisticsView.h"
#include "table/BetField.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

struct RankedField {
    int code = 0; // the number, or the field index of its section
    std::uint16_t count = 0;

    bool operator==(const RankedField&) const = default;
};

// Ranks the records (given in code order) by the exchange sort: for every pair i < j, records
// i and j swap when i counts more. Rank 1 is the last record after sorting, rank 2 the one
// before, and so on; at most `kept` ranks are returned. Equal counts keep the order this sort
// leaves them in, which is not the code order.
std::vector<RankedField> exchangeSortRanking(std::vector<RankedField> records, int kept);

inline constexpr int RankingSectionCount = 8;

struct RankingSection {
    std::string_view label; // "H-PL"
    std::string_view hint;  // "häufigsten Pleins"
    BetKind kind;
    int kept;
    int shown;
    bool tieMark; // "*" in column 8 when ranks 7 and 8 are equal and not 0
};

// H-PL, H-CH, H-CA, H-TP, H-TS, H-KL, H-DZ, H-EN: the rows of the grid in order.
std::span<const RankingSection, RankingSectionCount> rankingSections();

// The ranks kept of one section; the plein section runs to the table's highest number, the
// chevaux over all 63 on both tables.
std::vector<RankedField> sectionRanking(const CounterArray& counters, const RankingSection& section,
                                        TableType table);

inline constexpr int FrequencyGridSize = 9;
using FrequencyGrid =
    std::array<std::array<std::string, FrequencyGridSize>, FrequencyGridSize>; // [row][column]

inline constexpr BilingualText FrequencyCaption{"Häufigkeiten", "Frequency"};

struct FrequencyWindow {
    std::string caption;
    // Row 0 holds the ranks "1" to "8", column 0 the section labels; a cell of a rank whose
    // count is 0 stays empty.
    FrequencyGrid cells;
    std::array<std::string, FrequencyGridSize> rowHints; // the hint of each row's label
    std::string printButton;
};

FrequencyWindow frequencyWindow(const StatisticsStore& store, StatisticsSource source,
                                TableType table, Language language,
                                const AnalysisBookkeeping& analysis);

} // namespace quendra
