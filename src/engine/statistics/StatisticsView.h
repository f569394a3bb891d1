// What every statistics window shares: the game or analysis source, the analysis captions, text
// measuring for the windows that size their grids by their figures, and plain layout records.
#pragma once

#include "statistics/StatisticsStore.h"
#include "text/Language.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quendra {

enum class StatisticsSource : std::uint8_t { Game, Analysis };

const CounterArray& sourceCounters(const StatisticsStore& store, StatisticsSource source);
std::span<const std::uint8_t> sourceHistory(const StatisticsStore& store, StatisticsSource source);

// The analysis loader's bookkeeping that the analysis captions name, as the loader keeps it.
struct AnalysisBookkeeping {
    std::string AnalysisFile;  // the file last read, as the loader names it
    std::string AnalysisInfo;  // its info line, empty when it had none
    int AnalysisFileCount = 0; // files loaded since the last "Datei laden ..."
    std::string FirstAnalysisFile;
    std::string LastAnalysisFile;
};

// The day permanence writes its English prefixes apart ("Permanence files: ").
enum class AnalysisPrefixForms : std::uint8_t { Standard, DayPermanence };

// What was analysed: "Permanenzdatein: " + first + " - " + last with more than one file; else
// "Permanenzdatei-Info: " + the info line when there is one; else "Permanenzdatei: " + the file.
std::string analysedFilesText(const AnalysisBookkeeping& analysis, Language language,
                              AnalysisPrefixForms forms = AnalysisPrefixForms::Standard);

// The analysis caption of the windows other than the table window: what was analysed, four
// blanks and the window's own caption.
std::string analysisWindowCaption(const AnalysisBookkeeping& analysis, Language language,
                                  std::string_view windowCaption);

// What a window of analysis figures counts, for the line below its figures and the header of its
// printout: the file, or the number of files with the first and the last, the info line of the
// file read last, and the coups counted with their thousands grouped (German
// "3 Dateien: A.INP bis C.INP  ·  Info: Tisch 1  ·  Coups 1–32.000 (2 Tageswechsel)"). The
// captions cannot say all of it: they name either the files or the info line.
std::string analysisDescription(const AnalysisBookkeeping& analysis, const StatisticsStore& store,
                                Language language);

inline constexpr BilingualText TotalWord{"Gesamt", "Total"};
inline constexpr BilingualText PrintButtonText{"&Druck", "&Print"};
inline constexpr BilingualText PrintWord{"Druck", "Print"};

// Measures text in the font a window sizes its grids with; the app answers from the font, the
// tests with fixed character widths. Texts are UTF-8.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int width(std::string_view text) const = 0;
    virtual int height(std::string_view text) const = 0;
};

struct LayoutRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const LayoutRect&) const = default;
};

struct LayoutSize {
    int width = 0;
    int height = 0;

    bool operator==(const LayoutSize&) const = default;
};

// Grids placed against each other share their border line; a gap is counted from the edge.
LayoutRect placedBelow(const LayoutRect& upper, LayoutSize size, int gap);
LayoutRect placedRightOf(const LayoutRect& left, LayoutSize size, int gap);
LayoutRect placedDirectlyBelow(const LayoutRect& upper, LayoutSize size);
LayoutRect placedDirectlyRightOf(const LayoutRect& left, LayoutSize size);

// A text a window places itself: a heading, a button, a label.
struct PlacedText {
    std::string name; // the component's object name
    std::string text;
    int left = 0;
    int top = 0;
};

// A two-row grid cell: a label above, a figure below, the figure bold where the window marks
// the section's highest.
struct FigureCell {
    std::string label;
    std::string value;
    bool bold = false;

    bool operator==(const FigureCell&) const = default;
};

// The label cell of the red and black even chances is a coloured rectangle instead of a text.
enum class LabelMark : std::uint8_t { None, Red, Black };

// A row of figure cells with its sizes and place.
struct FigureGrid {
    std::string name; // the grid's object name
    int tag = 0;
    bool visible = true;
    LabelMark mark = LabelMark::None;
    std::vector<FigureCell> cells;
    int columnWidth = 0;
    int rowHeight = 0;
    LayoutRect rect;
};

// Every cell and the border between two cells is one pixel wider than the column.
int figureGridWidth(const FigureGrid& grid);
// nullptr for a name the window does not have.
const FigureGrid* findGrid(std::span<const FigureGrid> grids, std::string_view name);

// One series of a chart: a value and a label per point.
struct ChartSeries {
    std::vector<double> values;
    std::vector<std::string> labels;
};

} // namespace quendra
