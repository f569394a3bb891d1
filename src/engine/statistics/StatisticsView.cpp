// The analysis captions and the placing rules shared by the statistics windows.
#include "statistics/StatisticsView.h"

#include "text/Windows1252.h"

#include <filesystem>

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

// The info line comes from an 8-bit file; a file saved as UTF-8 keeps its text.
std::string infoLine(const AnalysisBookkeeping& analysis) {
    return utf8OrWindows1252(analysis.AnalysisInfo);
}

constexpr std::string_view DescriptionSeparator = "  ·  ";
constexpr BilingualText OneFileWord{"Datei: ", "File: "};
constexpr BilingualText FilesWord{" Dateien: ", " files: "};
constexpr BilingualText FileRangeWord{" bis ", " to "};
constexpr BilingualText InfoWord{"Info: ", "Info: "};
constexpr BilingualText NoCoupsText{"keine Coups", "no coups"};
constexpr BilingualText OneDaySeparatorText{"1 Tageswechsel", "1 day separator"};
constexpr BilingualText DaySeparatorsWord{" Tageswechsel", " day separators"};

// 32000 as "32.000" in German and "32,000" in English.
std::string groupedNumber(int value, Language language) {
    const std::string digits = std::to_string(value);
    const char separator = language == Language::German ? '.' : ',';
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += separator;
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string filesPart(const AnalysisBookkeeping& analysis, Language language) {
    if (analysis.AnalysisFileCount > 1) {
        return std::to_string(analysis.AnalysisFileCount) + std::string(FilesWord[language]) +
               analysis.FirstAnalysisFile + std::string(FileRangeWord[language]) +
               analysis.LastAnalysisFile;
    }
    // Without a file read to its end the name is that of the file that stopped.
    const std::string name = analysis.AnalysisFileCount == 1
                                 ? analysis.LastAnalysisFile
                                 : std::filesystem::path(analysis.AnalysisFile).filename().string();
    return std::string(OneFileWord[language]) + name;
}

std::string coupsPart(const StatisticsStore& store, Language language) {
    const int coups = store.AnalysisHowOften[TotalSlot];
    std::string text = coups == 0   ? std::string(NoCoupsText[language])
                       : coups == 1 ? std::string("Coup 1")
                                    : "Coups 1–" + groupedNumber(coups, language);
    const int separators = store.AnalysisSeparatorCount;
    if (separators == 1) {
        text += " (" + std::string(OneDaySeparatorText[language]) + ")";
    } else if (separators > 1) {
        text += " (" + groupedNumber(separators, language) +
                std::string(DaySeparatorsWord[language]) + ")";
    }
    return text;
}

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
        return std::string(prefixes.info[language]) + infoLine(analysis);
    }
    return std::string(prefixes.file[language]) + analysis.AnalysisFile;
}

std::string analysisWindowCaption(const AnalysisBookkeeping& analysis, Language language,
                                  std::string_view windowCaption) {
    return analysedFilesText(analysis, language) + "    " + std::string(windowCaption);
}

std::string analysisDescription(const AnalysisBookkeeping& analysis, const StatisticsStore& store,
                                Language language) {
    std::string text = filesPart(analysis, language);
    if (!analysis.AnalysisInfo.empty()) {
        text += std::string(DescriptionSeparator) + std::string(InfoWord[language]) +
                infoLine(analysis);
    }
    return text + std::string(DescriptionSeparator) + coupsPart(store, language);
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
