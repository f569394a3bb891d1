// The day permanence: the coup history laid out in blocks of R rows, a red and a black column
// each, with the coup numbers each block spans above it.
#pragma once

#include "statistics/StatisticsView.h"

#include <chrono>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quendra {

// The entries the window shows: the game's `YearCups` coups plus the day separators met in the
// load files, or the whole analysis history; never more than the history holds.
std::span<const std::uint8_t> dayPermanenceEntries(const StatisticsStore& store,
                                                   StatisticsSource source, int loadFileSeparators);

// Game: "Tagespermanenz vom " + the program's start time as "Mittwoch, 5 März 2025 , 09:07"
// (weekday and month named in the language). Analysis: only what was analysed, with the day
// permanence's own English prefixes. `startTime` reads as local time, as the host gives it.
std::string dayPermanenceCaption(StatisticsSource source, Language language,
                                 const AnalysisBookkeeping& analysis,
                                 std::chrono::system_clock::time_point startTime);

// Block 1's design: header cells at top 32, columns from top 56, each column 32 wide, every
// further block 80 pixels to the right.
inline constexpr int DayPermanenceColumnsTop = 56;
inline constexpr int DayPermanenceBlockStep = 80;
// The blocks filled at once; the rest follow after a 10 ms pause that keeps the window alive.
inline constexpr int DayPermanenceFirstFill = 15;
inline constexpr int DayPermanenceFillPause = 10;

struct DayPermanenceLayout {
    int rowHeight = 0;      // the columns' font size + 10
    int windowHeight = 0;   // at least five rows fit
    int rowsPerBlock = 0;   // R, at least 1
    int blocks = 0;         // at least 1
    bool scrollBar = false; // more blocks than the window's width holds
};

// `fontSize` is the point size of the columns' font; `window` the window's client size.
DayPermanenceLayout dayPermanenceLayout(int entries, int fontSize, LayoutSize window);

// A row: a red number in the red column, a black one in the black column; a zero ("0"), the
// double zero ("00") and a day separator ("--") fill both, the zeros on green.
struct DayPermanenceRow {
    std::string red;
    std::string black;
    bool green = false;

    bool operator==(const DayPermanenceRow&) const = default;
};

struct DayPermanenceBlock {
    // The first and the last coup number of the block ("31 - 45"), counting coups only; empty
    // for a block without a coup.
    std::string heading;
    std::vector<DayPermanenceRow> rows;
    LayoutRect headingLabel; // `LT`k
    LayoutRect redHeader;    // `TGRot`k, "R"
    LayoutRect blackHeader;  // `TGSchwarz`k, "N"
    LayoutRect redColumn;    // `TGTRot`k
    LayoutRect blackColumn;  // `TGTSchwarz`k
};

// Block k (1-based) holds the entries (k − 1) × R + 1 to k × R; with no entries there is one
// empty block.
std::vector<DayPermanenceBlock> dayPermanenceBlocks(std::span<const std::uint8_t> entries,
                                                    const DayPermanenceLayout& layout);

} // namespace quendra
