// The line that says what a window of analysis figures counts: the files, the info line and the
// coups, in both languages.
#include "statistics/StatisticsView.h"

#include <gtest/gtest.h>
#include <string>

namespace quendra {
namespace {

AnalysisBookkeeping files(int count, std::string first, std::string last, std::string info) {
    AnalysisBookkeeping analysis;
    analysis.AnalysisFileCount = count;
    analysis.FirstAnalysisFile = std::move(first);
    analysis.LastAnalysisFile = last;
    analysis.AnalysisFile = "/home/quendra/SYSIN/" + last;
    analysis.AnalysisInfo = std::move(info);
    return analysis;
}

StatisticsStore counted(int coups, int separators) {
    StatisticsStore store;
    store.AnalysisHowOften[TotalSlot] = static_cast<std::uint16_t>(coups);
    store.AnalysisSeparatorCount = static_cast<std::uint16_t>(separators);
    return store;
}

TEST(AnalysisDescription, FilesInfoLineAndCoupsInBothLanguages) {
    const AnalysisBookkeeping single = files(1, "T1.INP", "T1.INP", "Wiesbaden Tisch 1");
    const AnalysisBookkeeping three = files(3, "JAN.INP", "MAR.INP", "M\xe4rz");
    // A file that stopped at its first row: none was read to its end.
    AnalysisBookkeeping stopped;
    stopped.AnalysisFile = "/home/quendra/SYSIN/B.INP";
    const struct {
        AnalysisBookkeeping analysis;
        StatisticsStore store;
        Language language;
        std::string text;
    } cases[] = {
        {single, counted(31250, 0), Language::German,
         "Datei: T1.INP  ·  Info: Wiesbaden Tisch 1  ·  Coups 1–31.250"},
        {single, counted(31250, 0), Language::English,
         "File: T1.INP  ·  Info: Wiesbaden Tisch 1  ·  Coups 1–31,250"},
        {three, counted(1234, 2), Language::German,
         "3 Dateien: JAN.INP bis MAR.INP  ·  Info: März  ·  Coups 1–1.234 (2 Tageswechsel)"},
        {three, counted(1234, 2), Language::English,
         "3 files: JAN.INP to MAR.INP  ·  Info: März  ·  Coups 1–1,234 (2 day separators)"},
        {files(1, "A.INP", "A.INP", ""), counted(1, 1), Language::German,
         "Datei: A.INP  ·  Coup 1 (1 Tageswechsel)"},
        {files(1, "A.INP", "A.INP", ""), counted(999, 1), Language::English,
         "File: A.INP  ·  Coups 1–999 (1 day separator)"},
        {stopped, counted(0, 0), Language::German, "Datei: B.INP  ·  keine Coups"},
        {stopped, counted(0, 0), Language::English, "File: B.INP  ·  no coups"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(analysisDescription(c.analysis, c.store, c.language), c.text);
    }
}

// The captions show the 8-bit info line as the text it is, and keep one saved as UTF-8.
TEST(AnalysisDescription, TheCaptionsReadTheInfoLineAsWindows1252) {
    AnalysisBookkeeping analysis = files(1, "A.INP", "A.INP", "Spielbank M\xfcnchen");
    EXPECT_EQ(analysedFilesText(analysis, Language::German),
              "Permanenzdatei-Info: Spielbank München");
    analysis.AnalysisInfo = "Spielbank München";
    EXPECT_EQ(analysedFilesText(analysis, Language::English),
              "Permanencefile-Info: Spielbank München");
}

} // namespace
} // namespace quendra
