// What the statistics windows hand on: the header line above a printed table or chart, and the
// tables as tab-separated text for a spreadsheet or a forum post.
#pragma once

#include "statistics/DayPermanence.h"
#include "statistics/ExtendedBetsStatistics.h"
#include "statistics/FollowNumbers.h"
#include "statistics/FrequencyRanking.h"
#include "statistics/HowOftenTable.h"
#include "statistics/PlayerStatistics.h"
#include "statistics/WheelDistribution.h"

#include <chrono>
#include <string>
#include <string_view>

namespace quendra {

inline constexpr BilingualText CopyButtonText{"&Kopieren", "&Copy"};
inline constexpr BilingualText SaveImageText{"Als Bild speichern…", "Save as image…"};
inline constexpr BilingualText ImageFilesText{"Bilder", "Images"};
inline constexpr BilingualText ImageNotSavedText{"Das Bild konnte nicht gespeichert werden:",
                                                 "The image could not be saved:"};
// The chart's own menu, by which the user changes a chart's type.
inline constexpr BilingualText BarChartText{"Balken", "Bars"};
inline constexpr BilingualText LineChartText{"Linie", "Line"};
inline constexpr BilingualText SmoothedLineChartText{"Geglättete Linie", "Smoothed line"};
inline constexpr BilingualText ThreeDChartText{"3D", "3D"};
inline constexpr BilingualText HorizontalGridText{"Gitter waagrecht", "Horizontal grid"};
inline constexpr BilingualText VerticalGridText{"Gitter senkrecht", "Vertical grid"};

// "Französischer Tisch" / "French table", "Amerikanischer Tisch" / "American table".
std::string_view tableTypeText(TableType table, Language language);

// The window's caption, the table type and the date, German "10.12.2026", English "2026-12-10",
// so that a printed page says what it shows and when.
std::string printHeaderLine(std::string_view caption, TableType table, Language language,
                            std::chrono::year_month_day date);

// The table window as lines of tab-separated cells: the caption, then each section's heading
// followed by its labels and its figures, one line each; the red and black even chances are
// named, since the clipboard has no colours.
std::string tabSeparatedText(const HowOftenTable& table, Language language);

// The two player grids, each as a line of labels and a line of values.
std::string tabSeparatedText(const PlayerInfoGrids& grids);

// The caption, then the frequency grid line by line: the ranks, then each section's row.
std::string tabSeparatedText(const FrequencyWindow& window);

// The caption, then one line per number: the number and its three followers.
std::string tabSeparatedText(const FollowNumbersWindow& window);

// The caption, then each heading followed by its grids, each grid a line of labels and a line
// of figures; the hidden series grid is left out.
std::string tabSeparatedText(const ExtendedBetsWindow& window);

// The caption, the total, each pocket's number and count in wheel order, then the four quadrant
// sums.
std::string tabSeparatedText(std::string_view caption, const WheelPicture& picture, int total,
                             Language language);

// A copied window of the analysis' figures says below its caption line what they count; the
// game's figures are copied as they are.
std::string withAnalysisDescription(std::string_view text, StatisticsSource source,
                                    const AnalysisBookkeeping& analysis,
                                    const StatisticsStore& store, Language language);

// The caption, the column heads "R" and "N", then one line per entry in its red or black
// column; the blocks are only the window's way of fitting the history on screen.
std::string tabSeparatedText(std::string_view caption, std::span<const DayPermanenceBlock> blocks);

} // namespace quendra
