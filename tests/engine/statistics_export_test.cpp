// What the statistics windows hand on and how they are reached: the printed header line, the
// tables copied as tab-separated text, and the submenus that open every view and graph kind.
#include "game/MainMenu.h"
#include "statistics/HowOftenGraph.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsMenu.h"
#include "support/FixedTextMeasure.h"
#include "table/Table.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace quendra {
namespace {

using namespace std::chrono;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The line after the given one.
std::string lineAfter(const std::vector<std::string>& lines, const std::string& line,
                      int offset = 1) {
    const auto at = std::find(lines.begin(), lines.end(), line);
    if (at == lines.end() || std::distance(at, lines.end()) <= offset) {
        return "<missing " + line + ">";
    }
    return *(at + offset);
}

TEST(StatisticsPrintHeader, NamesCaptionTableAndDateInTheLanguage) {
    const year_month_day date{year{2026}, month{3}, day{7}};
    EXPECT_EQ(printHeaderLine("Wie oft? - Tabelle", TableType::French, Language::German, date),
              "Wie oft? - Tabelle  -  Französischer Tisch  -  07.03.2026");
    EXPECT_EQ(printHeaderLine("Player statistic", TableType::American, Language::English, date),
              "Player statistic  -  American table  -  2026-03-07");
}

class TableCopy : public ::testing::Test {
protected:
    HowOftenTable tableOf(TableType table, Language language) {
        return howOftenTable(store, HowOftenView::GameHowOften, table, language, {},
                             testing::FixedTextMeasure{}, {75, 25});
    }

    StatisticsStore store;
};

TEST_F(TableCopy, EverySectionGivesItsHeadingLabelsAndFigures) {
    store.StatHowOften[17] = 4;
    store.StatHowOften[TotalSlot] = 9;
    store.StatHowOften[EvenChanceBase + Noir] = 6;
    store.StatHowOften[DozenBase + 3] = 2;
    const std::vector<std::string> lines =
        linesOf(tabSeparatedText(tableOf(TableType::French, Language::German), Language::German));

    EXPECT_EQ(lines.front(), "Wie oft? - Tabelle");
    // The totals line holds no double zero on the French table.
    EXPECT_EQ(lines[1], "Gesamt\tZero");
    EXPECT_EQ(lines[2], "9\t0");
    EXPECT_EQ(lineAfter(lines, "Plein (PL01  -  PL36)"),
              "1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\t12\t13\t14\t15\t16\t17\t18");
    EXPECT_EQ(lineAfter(lines, "Plein (PL01  -  PL36)", 2),
              "0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t4\t0");
    EXPECT_EQ(lineAfter(lines, "Plein (PL01  -  PL36)", 3).substr(0, 6), "19\t20\t");
    EXPECT_EQ(lineAfter(lines, "Einfache Chancen (EC01 - EC06)"),
              "1-18\tEVEN\tROT\tSCHWARZ\tODD\t19-36");
    EXPECT_EQ(lineAfter(lines, "Einfache Chancen (EC01 - EC06)", 2), "0\t0\t0\t6\t0\t0");
    EXPECT_EQ(lineAfter(lines, "Dutzend (DZ01 - DZ03)"), "D I\tD II\tD III");
    EXPECT_EQ(lineAfter(lines, "Dutzend (DZ01 - DZ03)", 2), "0\t0\t2");
    // Three cheval grids of 20 cells: three line pairs under one heading.
    EXPECT_EQ(lineAfter(lines, "Cheval (CH01  -  CH60)", 5).substr(0, 6), "41\t42\t");
}

TEST_F(TableCopy, AmericanTableKeepsItsDashCellsAndDoubleZero) {
    const std::vector<std::string> lines = linesOf(
        tabSeparatedText(tableOf(TableType::American, Language::English), Language::English));
    EXPECT_EQ(lines[1], "Total\tZero\tDouble Zero");
    EXPECT_EQ(lineAfter(lines, "Transversale Plein (TP01  -  TP16)", 2).substr(0, 6), "0\t-\t0\t");
    EXPECT_EQ(lineAfter(lines, "Even Money Bets (EC01 - EC06)"),
              "1-18\tEVEN\tRED\tBLACK\tODD\t19-36");
}

TEST(PlayerGridsCopy, FiguresThenResultsAsLabelAndValueLines) {
    PlayerInfoGrids grids;
    grids.figures[0] = {"", "Spieler 1"};
    grids.results[0] = {"", "Spieler 1"};
    grids.figures[6] = {"Saldo/Coups", "-3.75"};
    grids.results[1] = {"Minimum", "-40"};
    const std::vector<std::string> lines = linesOf(tabSeparatedText(grids));
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0], "\t\t\t\t\t\tSaldo/Coups");
    EXPECT_EQ(lines[1], "Spieler 1\t\t\t\t\t\t-3.75");
    EXPECT_EQ(lines[2], "\tMinimum\t\t\t\t\t");
    EXPECT_EQ(lines[3], "Spieler 1\t-40\t\t\t\t\t");
}

// The ranking and follow-number grids copy cell for cell, empty cells kept, so that the columns
// stay in place in a spreadsheet.
TEST(RankingCopy, FrequencyAndFollowNumbersGridsLineByLine) {
    StatisticsStore store;
    for (int number : {5, 9, 5, 9, 37}) {
        const std::uint8_t code = number == 37 ? std::uint8_t{37} : std::uint8_t(number + 50);
        Permanenz_Append(store, code);
        ++store.StatHowOften[static_cast<std::size_t>(number)];
        ++store.StatHowOften[TotalSlot];
    }
    const std::vector<std::string> frequency = linesOf(tabSeparatedText(frequencyWindow(
        store, StatisticsSource::Game, TableType::American, Language::English, {})));
    ASSERT_EQ(frequency.size(), 10U);
    EXPECT_EQ(frequency[0], "Frequency");
    EXPECT_EQ(frequency[1], "\t1\t2\t3\t4\t5\t6\t7\t8");
    // The tie keeps the exchange sort's order.
    EXPECT_EQ(frequency[2], "H-PL\t9(2)\t5(2)\t00(1)\t\t\t\t\t");
    EXPECT_EQ(frequency[9], "H-EN\t\t\t\t\t\t\t\t");

    const std::vector<std::string> follow = linesOf(tabSeparatedText(followNumbersWindow(
        store, StatisticsSource::Game, TableType::American, Language::German, {})));
    ASSERT_EQ(follow.size(), 39U);
    EXPECT_EQ(follow[0], "FolgeZahlen");
    EXPECT_EQ(follow[1 + 5], "5\t9(2)\t\t");
    EXPECT_EQ(follow[1 + 9], "9\t5(1)\t00(1)\t");
    EXPECT_EQ(follow.back(), "00\t\t\t");
}

TEST(ExtendedBetsCopy, HeadingsAboveTheirGridsAndNoHiddenSeries) {
    CounterArray counters{};
    counters[0] = 2;
    counters[37] = 1;
    counters[TotalSlot] = 3;
    for (const TableType table : {TableType::French, TableType::American}) {
        SCOPED_TRACE(static_cast<int>(table));
        const ExtendedBetsWindow window =
            extendedBetsWindow(counters, standardPocketTable(table), table, Language::English,
                               testing::FixedTextMeasure{}, {75, 25});
        const std::vector<std::string> lines = linesOf(tabSeparatedText(window));
        EXPECT_EQ(lines[0], "Statistics over expand setpossibilitys");
        EXPECT_EQ(lines[1], "Finale");
        EXPECT_EQ(lines[2], "0\t1\t2\t3\t4\t5\t6\t7\t8\t9");
        EXPECT_EQ(lines[3], table == TableType::French ? "2\t0\t0\t0\t0\t0\t0\t0\t0\t0"
                                                       : "3\t0\t0\t0\t0\t0\t0\t0\t0\t0");
        EXPECT_EQ(lineAfter(lines, "One neighbour").substr(0, 5), "0\t1\t2");
        EXPECT_EQ(lineAfter(lines, "Three neighbours", 3).substr(0, 6), "19\t20\t");
        EXPECT_EQ(lines.back(), "3");
        const bool series = std::find(lines.begin(), lines.end(), "GS\tKS\tOR\tZS") != lines.end();
        EXPECT_EQ(series, table == TableType::French);
    }
}

TEST(WheelDistributionCopy, PocketsInWheelOrderThenTheQuadrants) {
    CounterArray counters{};
    counters[10] = 4;
    counters[5] = 1;
    counters[0] = 2;
    const auto table = standardPocketTable(TableType::French);
    const WheelPicture picture =
        wheelPicture(table, TableType::French, counters, staticCounts(counters));
    const std::vector<std::string> lines =
        linesOf(tabSeparatedText("Kesselverteilung", picture, 7, Language::German));
    ASSERT_EQ(lines.size(), 2U + 37U + 4U);
    EXPECT_EQ(lines[1], "Gesamt\t7");
    // The wheel order starts at 10 and ends at 5.
    EXPECT_EQ(lines[2], "10\t4");
    EXPECT_EQ(lines[2 + 36], "5\t1");
    EXPECT_EQ(lineAfter(lines, "23\t0", 17), "0\t2");
    EXPECT_EQ(lines[2 + 37], "Quadrant 1\t0");
    EXPECT_EQ(lines[2 + 37 + 1], "Quadrant 2\t1");
    EXPECT_EQ(lines[2 + 37 + 2], "Quadrant 3\t4");
}

TEST(DayPermanenceCopy, OneLinePerEntryWhateverTheBlocks) {
    const std::vector<std::uint8_t> entries{7, 17 + 50, DaySeparatorCode, 0, 37};
    DayPermanenceLayout layout;
    layout.rowsPerBlock = 2;
    layout.blocks = 3;
    const std::vector<std::string> lines =
        linesOf(tabSeparatedText("Tag", dayPermanenceBlocks(entries, layout)));
    EXPECT_EQ(lines,
              (std::vector<std::string>{"Tag", "R\tN", "7\t", "\t17", "--\t--", "0\t0", "00\t00"}));
}

bool isMainMenuEntry(std::string_view name) {
    return std::any_of(MainMenuEntries.begin(), MainMenuEntries.end(),
                       [name](const MainMenuEntry& entry) { return entry.objectName == name; });
}

// Every graph kind and table view is reachable exactly once, below an entry that exists.
TEST(AnalysisCopy, TheDescriptionFollowsTheCaptionLine) {
    AnalysisBookkeeping analysis;
    analysis.AnalysisFileCount = 1;
    analysis.LastAnalysisFile = "T1.INP";
    StatisticsStore store;
    store.AnalysisHowOften[TotalSlot] = 12;
    const std::string line = "Datei: T1.INP  ·  Coups 1–12";
    EXPECT_EQ(withAnalysisDescription("Caption\n1\t2\n", StatisticsSource::Analysis, analysis,
                                      store, Language::German),
              "Caption\n" + line + "\n1\t2\n");
    EXPECT_EQ(withAnalysisDescription("Caption", StatisticsSource::Analysis, analysis, store,
                                      Language::German),
              "Caption\n" + line + "\n");
    EXPECT_EQ(withAnalysisDescription("Caption\n1\n", StatisticsSource::Game, analysis, store,
                                      Language::German),
              "Caption\n1\n");
}

TEST(StatisticsMenu, ReachesEveryViewAndGraphKindOnceBelowExistingEntries) {
    std::set<std::string_view> names;
    std::multiset<int> kinds;
    std::multiset<int> views;
    for (const StatisticsMenuEntry& entry : StatisticsMenuEntries) {
        SCOPED_TRACE(std::string(entry.objectName));
        EXPECT_TRUE(isMainMenuEntry(entry.parent) || names.count(entry.parent) == 1)
            << "parent " << entry.parent << " comes first";
        EXPECT_TRUE(names.insert(entry.objectName).second);
        EXPECT_FALSE(isMainMenuEntry(entry.objectName));
        if (entry.action == StatisticsMenuAction::Graph) {
            const std::optional<GraphKind> kind = graphKindFromTag(entry.tag);
            ASSERT_TRUE(kind.has_value());
            kinds.insert(entry.tag);
            // A graph of the analysis hangs below the analysis menu.
            EXPECT_EQ(kind->view == HowOftenView::AnalysisHowOften, entry.parent.front() == 'A');
        } else if (entry.action == StatisticsMenuAction::Table) {
            views.insert(entry.tag);
        } else if (entry.action != StatisticsMenuAction::Submenu) {
            // The other windows show the analysis below the analysis menu only.
            EXPECT_EQ(statisticsSourceOfTag(entry.tag) == StatisticsSource::Analysis,
                      entry.parent.front() == 'A');
        }
    }
    EXPECT_EQ(kinds, (std::multiset<int>{1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 21, 22, 23, 24, 25}));
    EXPECT_EQ(views, (std::multiset<int>{1, 2, 3}));
    for (const StatisticsWindowEntry& entry : StatisticsWindowEntries) {
        EXPECT_TRUE(isMainMenuEntry(entry.objectName)) << entry.objectName;
    }
}

} // namespace
} // namespace quendra
