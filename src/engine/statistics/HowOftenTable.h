// The table window of the how-often and since-when-not counters: every bet field of the table in
// two-row grids, the section maxima that mark figures bold, and the grids' sizes and places.
#pragma once

#include "statistics/StatisticsView.h"
#include "table/BetField.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

// The window's `Tag`.
enum class HowOftenView : std::uint8_t { GameHowOften = 1, GameSinceNot = 2, AnalysisHowOften = 3 };

constexpr StatisticsSource viewSource(HowOftenView view) {
    return view == HowOftenView::AnalysisHowOften ? StatisticsSource::Analysis
                                                  : StatisticsSource::Game;
}

// The counts of StatHowOften, StatSinceNot or AnalysisHowOften.
CounterArray viewCounters(const StatisticsStore& store, HowOftenView view);

// The largest counter of each section in one counter array. The plein maximum runs over
// 1 to the highest number (the double zero takes part, the zero never does).
struct SectionMaxima {
    std::uint16_t plein = 0;
    std::uint16_t carre = 0;
    std::uint16_t transversaleSimple = 0;
    std::uint16_t transversalePlein = 0;
    std::uint16_t cheval = 0;
    std::uint16_t column = 0;
    std::uint16_t dozen = 0;

    bool operator==(const SectionMaxima&) const = default;
};

SectionMaxima sectionMaxima(const CounterArray& counters, TableType table);

struct HowOftenTable {
    std::string caption;
    SectionMaxima maxima;
    std::vector<FigureGrid> grids;
    std::vector<PlacedText> headings; // 20 pixels above their grids
    PlacedText okButton;              // `OK_Tab_Button`
    PlacedText printButton;           // `Druck_Tab_Button`
    LayoutSize window;

    const FigureGrid* grid(std::string_view name) const { return findGrid(grids, name); }
};

// The table window as it is drawn now. `measure` measures in the window's 11-point bold font;
// `button` is the size of the two buttons, which set the window's width when they reach
// furthest right. `analysis` names the analysed files for the caption of view 3.
HowOftenTable howOftenTable(const StatisticsStore& store, HowOftenView view, TableType table,
                            Language language, const AnalysisBookkeeping& analysis,
                            const TextMeasure& measure, LayoutSize button);

// "Wie oft? - Tabelle", "Seit wann nicht? - Tabelle", or for view 3 the analysed files followed
// by " - " and "Wie oft? - Tabelle".
std::string howOftenTableCaption(HowOftenView view, Language language,
                                 const AnalysisBookkeeping& analysis);

} // namespace quendra
