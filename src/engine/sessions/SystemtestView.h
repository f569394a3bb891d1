// What the Systemtest window shows of a batch of sessions: its texts in both languages, the table
// of figures (a row per figure, a column per player) and the histogram of one player's results
// with the bins of zero, the goal and the percentiles marked.
#pragma once

#include "sessions/SessionRecord.h"
#include "text/Language.h"

#include <string>
#include <vector>

namespace quendra {

inline constexpr BilingualText SystemtestCaption{"Systemtest", "Systemtest"};
inline constexpr BilingualText SystemtestSessions{"Sitzungen", "Sessions"};
inline constexpr BilingualText SystemtestCoups{"Coups je Sitzung", "Coups per session"};
inline constexpr BilingualText SystemtestGoal{"Ziel (Kapital)", "Goal (capital)"};
inline constexpr BilingualText SystemtestSeed{"Startwert", "Seed"};
inline constexpr BilingualText SystemtestStart{"Start", "Start"};
inline constexpr BilingualText SystemtestCancel{"Abbrechen", "Cancel"};
inline constexpr BilingualText SystemtestPrint{"Drucken", "Print"};
inline constexpr BilingualText SystemtestSave{"Als Bild speichern", "Save as image"};
inline constexpr BilingualText SystemtestPlayer{"Spieler ", "Player "};
inline constexpr BilingualText SystemtestResult{"Ergebnis", "Result"};
inline constexpr BilingualText SystemtestSessionsCount{"Anzahl Sitzungen", "Number of sessions"};
inline constexpr BilingualText SystemtestNoSystem{"Kein Spieler spielt ein System.",
                                                  "No player plays a system."};
inline constexpr BilingualText SystemtestMarks{"Null, Ziel, Perzentile", "Zero, goal, percentiles"};

// A figure with a fixed number of decimals, and a share as a percentage with two.
std::string fixedText(double value, int decimals);
std::string percentText(double share);

struct FigureRow {
    std::string caption;
    std::vector<std::string> cells; // one per player
};

// The figures of every player of the run, one row per figure.
std::vector<FigureRow> figureRows(const SessionRun& run, Language language);

struct HistogramView {
    std::vector<double> counts;
    // The height of the tallest bin at the bins holding zero, the goal or a percentile, else 0.
    std::vector<double> marks;
    std::vector<std::string> labels; // each bin's lowest result
};

// The histogram of the player's results in at most `mostBins` bins.
HistogramView histogramView(const SessionRun& run, int player, int mostBins);

} // namespace quendra
