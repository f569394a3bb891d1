// The follow numbers: how often each number came directly after each other number, the three
// most frequent followers of every number, and the window's two grids.
#pragma once

#include "statistics/StatisticsView.h"
#include "table/BetField.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quendra {

inline constexpr int FollowerRanks = 3;

struct FollowRow {
    std::array<std::uint16_t, DoubleZero + 1> counts{}; // by follower
    std::array<int, FollowerRanks> followers{};
    std::array<std::uint16_t, FollowerRanks> followerCounts{};
};

// One row per number 0 to the table's highest number.
using FollowMatrix = std::vector<FollowRow>;

// Counts the pairs of the history's first `coups` coups, reading past day separators so that a
// day boundary does not break the chain. Each row's top three are found by scanning the
// followers upwards, where an equal count never displaces: the lower number wins a tie.
FollowMatrix followNumbers(std::span<const std::uint8_t> history, int coups, TableType table);

inline constexpr BilingualText FollowNumbersCaption{"FolgeZahlen", "Following Numbers"};

struct FollowNumbersLine {
    std::string number;                               // "0" ... "36", "00"
    std::array<std::string, FollowerRanks> followers; // "17(3)", "00(2)", or empty
};

struct FollowNumbersWindow {
    std::string caption;
    std::vector<FollowNumbersLine> firstTable;  // `FirstTable`: the numbers 0 to 18
    std::vector<FollowNumbersLine> secondTable; // `SecondTable`: 19 to 36 and "00"
    int secondTableHeight = 0;
    std::string printButton;
};

// The window for the game (`Permanenz` over `StatHowOften`[200] coups) or the analysis.
FollowNumbersWindow followNumbersWindow(const StatisticsStore& store, StatisticsSource source,
                                        TableType table, Language language,
                                        const AnalysisBookkeeping& analysis);

} // namespace quendra
