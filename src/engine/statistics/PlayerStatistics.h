// The player statistics: each player's course of results coup by coup as a chart, his lowest,
// highest and average cumulative result, and the twelve figures of the window's two grids.
#pragma once

#include "game/GameState.h"
#include "statistics/PlayerResults.h"
#include "statistics/StatisticsView.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace quendra {

static_assert(PlayerResultSlots == PlayerSlots, "one result per player slot");

inline constexpr BilingualText PlayerStatisticsCaption{"Spieler Statistik", "Player statistic"};

// The window's fixed design.
inline constexpr LayoutSize PlayerStatisticsClient{1005, 692};
inline constexpr LayoutRect PlayerChartRect{8, 8, 985, 561};
inline constexpr LayoutRect PlayerComboRect{64, 576, 97, 0};
inline constexpr LayoutRect PlayerInfoGridRect{180, 576, 603, 51};  // `SpielerInfo_GR`
inline constexpr LayoutRect PlayerInfoGrid1Rect{180, 632, 603, 51}; // `SpielerInfo_GR1`
inline constexpr int PlayerInfoColumns = 7;
inline constexpr int PlayerInfoColumnWidth = 85;

// The development chart. With no coup played it is one series of one point without a value.
struct PlayerChart {
    int seriesCount = 1;
    int pointCount = 1;
    // values[p][k]: player p + 1's cumulative net result after coup k + 1; empty without coups.
    std::vector<std::vector<std::int32_t>> values;
    std::array<std::string, PlayerSlots> legends; // "Spieler 1" ... "Spieler 4"
    int decimals = 0;
    // The lowest and highest value charted (0 included), widened by one piece or PieceValue.
    std::int64_t axisMinimum = 0;
    std::int64_t axisMaximum = 0;
};

// The show step: charts every player's first min(`SpielerStatPos`, 32000) cumulative results,
// whatever `PlayerCount` says, and computes `results` anew; without a coup the results keep the
// values of their last computation.
PlayerChart showPlayerStatistics(const GameState& state, PlayerResults& results, Language language);

// The combo's entries "Spieler 1" ... "Spieler 4" / "Player 1" ... "Player 4".
std::array<std::string, PlayerSlots> playerNames(Language language);

struct PlayerInfoColumn {
    std::string label;
    std::string value;

    bool operator==(const PlayerInfoColumn&) const = default;
};

using PlayerInfoRow = std::array<PlayerInfoColumn, PlayerInfoColumns>;

struct PlayerInfoGrids {
    // `SpielerInfo_GR`: name, minimum, maximum, average, coups won, coups lost, % balance.
    PlayerInfoRow results;
    // `SpielerInfo_GR1`: name, turnover, coups with a stake, coups, capital, balance,
    // balance per coup.
    PlayerInfoRow figures;
};

// The two grids for player 1-4; a player beyond `PlayerCount` shows "0" / "0%" for his balance
// figures but his capital as it is.
PlayerInfoGrids playerInfoGrids(const GameState& state, const PlayerResults& results, int player,
                                Language language);

// A real number as the grids write it: a point and exactly two decimals, padded with blanks to
// four characters ("-3.75", "0.50", "0.00").
std::string twoDecimals(double value);

// Where a text of the given extent starts when centred in a cell of the given extent.
constexpr int centredOffset(int cellExtent, int textExtent) {
    return (cellExtent + 1 - textExtent) / 2;
}

} // namespace quendra
