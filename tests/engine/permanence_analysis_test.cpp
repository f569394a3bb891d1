// Loading permanence files for analysis: the strict syntax and its errors, load versus add,
// the bookkeeping and the recount, lists of files and the 32000-entry limit.
#include "permanence/AnalysisLoader.h"
#include "permanence/AnalysisMenu.h"
#include "statistics/StatisticsStore.h"
#include "support/PermanenceGame.h"
#include "text/FileLine.h"

#include <gtest/gtest.h>

namespace quendra {
namespace {

using testing::PermanenceGame;

struct AnalysisGame : PermanenceGame {
    using PermanenceGame::PermanenceGame;
    void load(const std::string& file, bool append = false) { loadAnalysis(game, file, append); }
    std::vector<std::uint8_t> history() {
        const auto h = state().statistics.analysisHistory();
        return {h.begin(), h.end()};
    }
    AnalysisState& analysis() { return state().permanence.analysis; }
    const CounterArray& counts() { return state().statistics.AnalysisHowOften; }
};

TEST(PermanenceAnalysis, ACaptionAndNumberRowsLoad) {
    AnalysisGame g;
    const auto file = g.write("A.INP", "Wiesbaden Tisch 1\r\n 5 17  0 \r\n--\r\n\r\n8\r\n");
    g.load(file);
    EXPECT_TRUE(g.host.messages.empty());
    EXPECT_EQ(g.analysis().AnalysisInfo, "Wiesbaden Tisch 1");
    EXPECT_EQ(g.history(), (std::vector<std::uint8_t>{5, 67, 0, 251, 58}));
    EXPECT_EQ(g.counts()[TotalSlot], 4);
    EXPECT_EQ(g.state().statistics.AnalysisSeparatorCount, 1);
    EXPECT_EQ(g.counts()[17], 1);
    EXPECT_EQ(g.counts()[EvenChanceBase + Noir], 2); // 17 and 8
    EXPECT_EQ(g.analysis().AnalysisFile, file);
    EXPECT_EQ(g.analysis().AnalysisFileCount, 1);
    EXPECT_EQ(g.analysis().FirstAnalysisFile, "A.INP");
    EXPECT_EQ(g.analysis().LastAnalysisFile, "A.INP");
    EXPECT_TRUE(g.analysis().LadeADateiChecked);
    EXPECT_TRUE(g.analysis().analysisEntriesEnabled);
    for (const Player& player : g.state().players) {
        EXPECT_TRUE(player.DaySeparatorSeen);
    }
}

TEST(PermanenceAnalysis, TheDoubleZeroByTable) {
    const struct {
        TableType table;
        std::vector<std::uint8_t> history;
    } cases[] = {{TableType::French, {0, 0}}, {TableType::American, {37, 37}}};
    for (const auto& c : cases) {
        AnalysisGame g(c.table);
        g.load(g.write("A.INP", "00\r\n" + std::string(c.table == TableType::French ? "0" : "37")));
        EXPECT_TRUE(g.host.messages.empty());
        EXPECT_EQ(g.history(), c.history);
    }
}

TEST(PermanenceAnalysis, InvalidInputStopsTheFileAndKeepsWhatWasRead) {
    const struct {
        const char* name;
        std::string file;
        TableType table;
        int error;
        int value;
        std::vector<std::uint8_t> kept;
    } cases[] = {
        {"a number above the table", "Tisch\r\n5 40 6\r\n", TableType::French, 14, 40, {5}},
        {"37 on the French table", "37\r\n", TableType::French, 14, 37, {}},
        {"a negative number", "3\r\n-3\r\n", TableType::French, 14, -3, {3}},
        {"a second caption, French",
         "Montag\r\n1\r\nDienstag\r\n2\r\n",
         TableType::French,
         17,
         0,
         {1}},
        {"a second caption, American",
         "Montag\r\n1\r\nDienstag\r\n",
         TableType::American,
         19,
         0,
         {1}},
        {"tab-separated rows", "5\t6\r\n7\t8\r\n", TableType::French, 17, 0, {}},
        {"thirty digits", "2 123456789012345678901234567890\r\n", TableType::French, 17, 0, {52}},
        {"a dash in a number", "4 5-6\r\n", TableType::French, 17, 0, {54}},
        {"binary", std::string("\x01\x02\r\n9\r\n\0\r\n", 9), TableType::French, 17, 0, {9}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AnalysisGame g(c.table);
        const auto file = g.write("A.INP", c.file);
        g.load(file);
        ASSERT_EQ(g.messageNumbers(), std::vector<int>{c.error});
        const std::string fileLine = shortenFileLine(file + "\r");
        EXPECT_EQ(g.host.messages[0].text.substr(0, fileLine.size()), fileLine);
        if (c.error == 14) {
            EXPECT_NE(g.host.messages[0].text.find("(" + std::to_string(c.value) + ")"),
                      std::string::npos);
        }
        EXPECT_EQ(g.history(), c.kept);
        // Kept entries are counted.
        EXPECT_EQ(g.counts()[TotalSlot], c.kept.size());
        for (std::uint8_t code : c.kept) {
            EXPECT_EQ(g.counts()[code % 50], 1);
        }
        EXPECT_EQ(g.analysis().AnalysisFileCount, 0);
        EXPECT_FALSE(g.analysis().LadeADateiChecked);
        EXPECT_FALSE(g.analysis().analysisEntriesEnabled);
    }
}

TEST(PermanenceAnalysis, InputThatIsOddButValid) {
    const struct {
        const char* name;
        std::string file;
        std::vector<std::uint8_t> history;
    } cases[] = {
        {"empty file", "", {}},
        {"CR-only line ends", "1\r2\r--", {1, 52, 251}},
        {"leading zeros", "007 0000000000000000000000000031", {7, 81}},
        {"only separators", "--\r\n-- --", {251, 251, 251}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AnalysisGame g;
        g.load(g.write("A.INP", c.file));
        EXPECT_TRUE(g.host.messages.empty());
        EXPECT_EQ(g.history(), c.history);
        EXPECT_EQ(g.analysis().AnalysisFileCount, 1);
    }
}

TEST(PermanenceAnalysis, AddingAppendsAndLoadingStartsAfresh) {
    AnalysisGame g;
    const auto a = g.write("A.INP", "Erste\r\n1 2\r\n");
    const auto b = g.write("B.INP", "Zweite\r\n3\r\n");
    const auto c = g.write("C.INP", "4\r\n");
    g.load(a);
    g.load(b, true);
    EXPECT_EQ(g.history(), (std::vector<std::uint8_t>{1, 52, 3}));
    EXPECT_EQ(g.analysis().AnalysisInfo, "Zweite");
    EXPECT_EQ(g.analysis().AnalysisFileCount, 2);
    EXPECT_EQ(g.analysis().FirstAnalysisFile, "A.INP");
    EXPECT_EQ(g.analysis().LastAnalysisFile, "B.INP");
    g.load(c, true); // an added file without caption keeps the earlier one
    EXPECT_EQ(g.analysis().AnalysisInfo, "Zweite");
    EXPECT_EQ(g.counts()[TotalSlot], 4);
    g.load(c);
    EXPECT_EQ(g.history(), (std::vector<std::uint8_t>{54}));
    EXPECT_EQ(g.analysis().AnalysisInfo, "");
    EXPECT_EQ(g.analysis().AnalysisFileCount, 1);
    EXPECT_EQ(g.analysis().FirstAnalysisFile, "C.INP");
    EXPECT_EQ(g.counts()[1], 0);
}

TEST(PermanenceAnalysis, AFailedFileUnticksTheMenuEvenWithEarlierData) {
    AnalysisGame g;
    g.load(g.write("A.INP", "1\r\n"));
    g.load(g.write("B.INP", "2 5-\r\n"), true);
    EXPECT_EQ(g.messageNumbers(), std::vector<int>{17});
    EXPECT_EQ(g.history(), (std::vector<std::uint8_t>{1, 52}));
    EXPECT_EQ(g.counts()[2], 1);
    EXPECT_EQ(g.analysis().AnalysisFileCount, 1);
    EXPECT_FALSE(g.analysis().LadeADateiChecked);
    EXPECT_FALSE(g.analysis().analysisEntriesEnabled);
}

TEST(PermanenceAnalysis, AMissingFileShowsError13WithoutFileLine) {
    AnalysisGame g;
    g.load(g.write("A.INP", "1\r\n"));
    g.load((g.folder / "gone.inp").string());
    ASSERT_EQ(g.messageNumbers(), std::vector<int>{13});
    EXPECT_EQ(g.host.messages[0].text, "Permanenzdatei nicht vorhanden!");
    // "Datei laden ..." empties the analysis before it looks for the file.
    EXPECT_TRUE(g.history().empty());
    EXPECT_EQ(g.counts()[1], 0);
}

TEST(PermanenceAnalysis, AListLoadsItsFilesAndPassesOverMissingOnes) {
    AnalysisGame g;
    g.write("A.INP", "Erste\r\n1\r\n");
    g.write("C.INP", "3\r\n");
    const auto elsewhere = g.write("other/D.INP", "4\r\n");
    const auto list =
        g.write("LIST.SNP", "// Wiesbaden\r\nA.INP\r\nB.INP\r\nC.INP\r\n" + elsewhere + "\r\n");
    g.load(list);
    ASSERT_EQ(g.messageNumbers(), std::vector<int>{1});
    EXPECT_EQ(g.host.messages[0].text, "Ladedatei " + (g.folder / "B.INP").string() +
                                           "\r wurde nicht gefunden und wird nicht in die "
                                           "Analyse aufgenommen!");
    EXPECT_EQ(g.history(), (std::vector<std::uint8_t>{1, 3, 54}));
    EXPECT_EQ(g.analysis().AnalysisFileCount, 3);
    EXPECT_EQ(g.analysis().FirstAnalysisFile, "A.INP");
    EXPECT_EQ(g.analysis().LastAnalysisFile, "D.INP");
    EXPECT_EQ(g.analysis().AnalysisInfo, "Erste");
}

TEST(PermanenceAnalysis, AFileThatStopsDoesNotStopTheList) {
    AnalysisGame g;
    g.write("A.INP", "1 5-\r\n");
    g.write("B.INP", "2\r\n");
    g.load(g.write("LIST.SNP", "A.INP\r\nB.INP\r\n"));
    EXPECT_EQ(g.messageNumbers(), std::vector<int>{17});
    // The first file's kept entry stays: the later files are appended.
    EXPECT_EQ(g.history(), (std::vector<std::uint8_t>{1, 52}));
    EXPECT_EQ(g.counts()[1], 1);
    EXPECT_EQ(g.analysis().AnalysisFileCount, 1);
    EXPECT_EQ(g.analysis().FirstAnalysisFile, "B.INP");
    EXPECT_TRUE(g.analysis().LadeADateiChecked);
}

TEST(PermanenceAnalysis, TheHistoryStopsAt32000EntriesWithOneWarning) {
    const struct {
        const char* name;
        std::string lastRows;
    } cases[] = {
        {"a further line", "1\r\n"},
        {"a row crossing the limit", "1 2 3\r\n"},
        {"a separator at the limit", "-- 4\r\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AnalysisGame g;
        std::string text;
        for (int i = 0; i < 31999; ++i) {
            text += "7\r\n";
        }
        g.load(g.write("A.INP", text + c.lastRows + "9\r\n"));
        EXPECT_EQ(g.messageNumbers(), std::vector<int>{7});
        const auto history = g.history();
        ASSERT_EQ(history.size(), 32000u);
        EXPECT_EQ(history.back(), c.lastRows[0] == '-' ? 251 : 1);
        EXPECT_EQ(g.analysis().AnalysisFileCount, 1);
        EXPECT_EQ(g.counts()[7], 31999);
        // Adding to a full history warns and adds nothing.
        g.load(g.write("B.INP", "5\r\n"), true);
        EXPECT_EQ(g.messageNumbers(), (std::vector<int>{7, 7}));
        EXPECT_EQ(g.history().size(), 32000u);
    }
}

TEST(PermanenceAnalysis, AFileOfExactly32000EntriesNeedsNoWarning) {
    AnalysisGame g;
    std::string text;
    for (int i = 0; i < 16000; ++i) {
        text += "7 --\r\n";
    }
    g.load(g.write("A.INP", text));
    EXPECT_TRUE(g.host.messages.empty());
    EXPECT_EQ(g.counts()[TotalSlot], 16000);
    EXPECT_EQ(g.state().statistics.AnalysisSeparatorCount, 16000);
}

// The menu entries: the game pauses while the dialog is open and the file is read; a cancelled
// dialog leaves the analysis as it was, and the app hears of the loading only for a chosen file.
TEST(PermanenceAnalysis, TheMenuEntriesLoadTheChosenFileWithTheGamePaused) {
    AnalysisGame g;
    g.state().phase = TextKind::gkMakeBet;
    g.load(g.write("A.INP", "1\r\n"));
    const auto b = g.write("B.INP", "2\r\n");
    std::vector<TextKind> phases;
    int loadings = 0;
    const auto choice = [&](std::optional<std::filesystem::path> file) {
        return AnalysisFileChoice{[&phases, &g, file] {
                                      phases.push_back(g.state().phase);
                                      return file;
                                  },
                                  [&loadings] { ++loadings; }};
    };
    LadeADateiClick(g.game, choice(std::nullopt));
    DateiaddierenClick(g.game, choice(std::nullopt));
    EXPECT_EQ(g.history(), std::vector<std::uint8_t>{1});
    EXPECT_EQ(loadings, 0);
    DateiaddierenClick(g.game, choice(b));
    EXPECT_EQ(g.history(), (std::vector<std::uint8_t>{1, 52}));
    EXPECT_EQ(g.analysis().AnalysisFileCount, 2);
    LadeADateiClick(g.game, choice(b));
    EXPECT_EQ(g.history(), std::vector<std::uint8_t>{52});
    EXPECT_EQ(g.analysis().AnalysisFileCount, 1);
    EXPECT_EQ(loadings, 2);
    EXPECT_EQ(phases, std::vector<TextKind>(4, TextKind::gkPause));
    EXPECT_EQ(g.state().phase, TextKind::gkMakeBet);
    EXPECT_EQ(analysisFileFolder(g.state()), g.state().ProgramFolder / "SYSIN");
}

} // namespace
} // namespace quendra
