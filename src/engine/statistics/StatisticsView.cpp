// The analysis captions and the placing rules shared by the statistics windows.
#include "statistics/StatisticsView.h"

namespace quendra {
namespace {

struct PrefixTexts {
    BilingualText files;
    BilingualText info;
    BilingualText file;
};

constexpr PrefixTexts StandardPrefixes{
    {"Permanenzdatein: ", "Permanencefiles: "},
    {"Permanenzdatei-Info: ", "Permanencefile-Info: "},
    {"Permanenzdatei: ", "Permanencefile: "},
};

constexpr PrefixTexts DayPermanencePrefixes{
    {"Permanenzdatein: ", "Permanence files: "},
    {"Permanenzdatei-Info: ", "Permanence file info: "},
    {"Permanenzdatei: ", "Permanence file: "},
};

} // namespace

const CounterArray& sourceCounters(const StatisticsStore& store, StatisticsSource source) {
    return source == StatisticsSource::Game ? store.StatHowOften : store.AnalysisHowOften;
}

std::span<const std::uint8_t> sourceHistory(const StatisticsStore& store, StatisticsSource source) {
    return source == StatisticsSource::Game ? store.gameHistory() : store.analysisHistory();
}

std::string analysedFilesText(const AnalysisBookkeeping& analysis, Language language,
                              AnalysisPrefixForms forms) {
    const PrefixTexts& prefixes =
        forms == AnalysisPrefixForms::Standard ? StandardPrefixes : DayPermanencePrefixes;
    if (analysis.AnalysisFileCount > 1) {
        return std::string(prefixes.files[language]) + analysis.FirstAnalysisFile + " - " +
               analysis.LastAnalysisFile;
    }
    if (!analysis.AnalysisInfo.empty()) {
        return std::string(prefixes.info[language]) + analysis.AnalysisInfo;
    }
    return std::string(prefixes.file[language]) + analysis.AnalysisFile;
}

std::string analysisWindowCaption(const AnalysisBookkeeping& analysis, Language language,
                                  std::string_view windowCaption) {
    return analysedFilesText(analysis, language) + "    " + std::string(windowCaption);
}

LayoutRect placedBelow(const LayoutRect& upper, LayoutSize size, int gap) {
    return {upper.left, upper.bottom() + gap, size.width, size.height};
}

LayoutRect placedRightOf(const LayoutRect& left, LayoutSize size, int gap) {
    return {left.right() + gap, left.top, size.width, size.height};
}

LayoutRect placedDirectlyBelow(const LayoutRect& upper, LayoutSize size) {
    return placedBelow(upper, size, -1);
}

LayoutRect placedDirectlyRightOf(const LayoutRect& left, LayoutSize size) {
    return placedRightOf(left, size, -1);
}

int figureGridWidth(const FigureGrid& grid) {
    return static_cast<int>(grid.cells.size()) * (grid.columnWidth + 1) + 1;
}

const FigureGrid* findGrid(std::span<const FigureGrid> grids, std::string_view name) {
    for (const FigureGrid& grid : grids) {
        if (grid.name == name) {
            return &grid;
        }
    }
    return nullptr;
}

} // namespace quendra
