// The coup reader: coups, comments and separators of a load file, the chain of follow files
// with the refill from the collect file, the end of the load files and the ball's travel.
#include "permanence/CoupReader.h"
#include "permanence/LoadSet.h"
#include "statistics/StatisticsStore.h"
#include "support/PermanenceGame.h"
#include "table/Table.h"
#include "text/FileLine.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace quendra {
namespace {

using testing::PermanenceGame;

TEST(PermanenceReader, RowsGiveTheirCoupsOneCallAtATime) {
    const struct {
        const char* name;
        const char* file;
        TableType table;
        std::vector<int> coups;
    } cases[] = {
        {"three on a row", "5 17 0\r\n", TableType::French, {5, 17, 0}},
        {"one with blanks around", "  9  \r\n", TableType::French, {9}},
        {"double blank", "12  7\r\n", TableType::French, {12, 7}},
        {"short rows", "1\r\n22\r\n", TableType::French, {1, 22}},
        {"invalid tokens skipped", "40 -3 8 x1 5-\r\n", TableType::French, {}},
        {"invalid numbers skipped", "40 -3 8\r\n", TableType::French, {8}},
        {"00 on the French table skipped", "00 4\r\n", TableType::French, {4}},
        {"00 on the American table", "00 4\r\n", TableType::American, {37, 4}},
        {"37 on the French table skipped", "37 4\r\n", TableType::French, {4}},
        {"37 on the American table", "37\r\n", TableType::American, {37}},
        {"leading zeros", "007 000000000000000000000000000031\r\n", TableType::French, {7, 31}},
        {"CR-only line ends", "1\r2\r3", TableType::French, {1, 2, 3}},
        {"LF line ends", "1\n2\n", TableType::French, {1, 2}},
        {"comments and tabs yield nothing", "Montag 4.3.\r\n5\t6\r\n2\r\n", TableType::French, {2}},
        {"empty file", "", TableType::French, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PermanenceGame g(c.table);
        ASSERT_TRUE(g.activate(g.write("A.INP", c.file)));
        EXPECT_EQ(g.coupsToEnd(), c.coups);
        EXPECT_TRUE(g.host.messages.empty());
    }
}

TEST(PermanenceReader, BinaryBytesInsideAFileAreComments) {
    PermanenceGame g;
    ASSERT_TRUE(g.activate(g.write("A.INP", std::string("\0\xff\r\n1 2\r\n\x01 3\r\n4", 15))));
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{1, 2, 4}));
}

TEST(PermanenceReader, TenMegabyteLinesArePlayed) {
    PermanenceGame g;
    g.makeSystemPlayer(1, true);
    const std::string comment(10'000'000, 'x');
    const std::string row = "17" + std::string(10'000'000, ' ') + "5";
    ASSERT_TRUE(g.activate(g.write("A.INP", comment + "\r\n" + row + "\r\n9\r\n")));
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{17, 5, 9}));
    ASSERT_EQ(g.protocols.lines.size(), 1u);
    EXPECT_EQ(g.protocols.lines[0].second.size(), 42 + comment.size());
}

TEST(PermanenceReader, CommentLinesGoToTheProtocolsOfSystemPlayersWithProtocolOn) {
    PermanenceGame g;
    g.makeSystemPlayer(1, true);
    g.makeSystemPlayer(2, false);
    g.makeSystemPlayer(4, true);
    g.state().player(3).sys.ProtocolActive = true; // no system play
    ASSERT_TRUE(g.activate(g.write("A.INP", "Montag 4.3.2024\r\n5\t6\r\n2\r\n")));
    EXPECT_EQ(g.coup(), 2);
    const std::string indent(42, ' ');
    EXPECT_EQ(g.protocols.lines,
              (std::vector<std::pair<int, std::string>>{{1, indent + "Montag 4.3.2024"},
                                                        {4, indent + "Montag 4.3.2024"},
                                                        {1, indent + "5\t6"},
                                                        {4, indent + "5\t6"}}));
}

TEST(PermanenceReader, ADaySeparatorIsStoredAndSeenButYieldsNoCoup) {
    PermanenceGame g;
    ASSERT_TRUE(g.activate(g.write("A.INP", "3 -- 4\r\n--\r\n")));
    g.state().player(2).DaySeparatorSeen = false;
    EXPECT_EQ(g.coup(), 3);
    EXPECT_EQ(g.coup(), 4);
    for (const Player& player : g.state().players) {
        EXPECT_TRUE(player.DaySeparatorSeen);
    }
    EXPECT_EQ(g.state().LastSixteen.back(), DaySeparator);
    EXPECT_EQ(g.state().LastSixteen[14], EmptySlot);
    EXPECT_EQ(g.load().SeparatorCount, 1);
    const auto history = g.state().statistics.gameHistory();
    ASSERT_EQ(history.size(), 1u); // the reader stores separators; coups are the spin cycle's
    EXPECT_EQ(history[0], DaySeparatorCode);
    g.coupsToEnd();
    EXPECT_EQ(g.load().SeparatorCount, 2);
}

TEST(PermanenceReader, AFullSpinHistoryTakesNoMoreSeparators) {
    PermanenceGame g;
    g.state().statistics.PermanenzPos = 32001;
    ASSERT_TRUE(g.activate(g.write("A.INP", "--\r\n1\r\n")));
    EXPECT_EQ(g.coup(), 1);
    EXPECT_EQ(g.state().statistics.PermanenzPos, 32001);
    EXPECT_EQ(g.load().SeparatorCount, 1);
}

TEST(PermanenceReader, NumberSourceNamesTheFileAndTheStartCoup) {
    PermanenceGame g;
    const auto file = g.write("A.INP", "1\r\n2\r\n");
    ASSERT_TRUE(g.activate(file));
    g.state().NumberSource = "Manuell";
    g.coup();
    EXPECT_EQ(g.state().NumberSource, file);
    g.options().StartMode = LoadStartMode::Fix;
    g.options().FixStartCoup = 1;
    g.coup();
    EXPECT_EQ(g.state().NumberSource, file + " (1)");
}

TEST(PermanenceReader, PermanenceEndRisesAfterEveryCoupOfTheLastRow) {
    PermanenceGame g;
    ASSERT_TRUE(g.activate(g.write("A.INP", "1\r\n2 3 4\r\n")));
    // System play lowers the flag after each run; it must rise again for every coup.
    const auto coupRaises = [&g](int expected) {
        g.load().PermanenceEnd = false;
        EXPECT_EQ(g.coup(), expected);
        return g.load().PermanenceEnd;
    };
    EXPECT_FALSE(coupRaises(1));
    EXPECT_TRUE(coupRaises(2));
    EXPECT_TRUE(coupRaises(3));
    EXPECT_TRUE(coupRaises(4));
    EXPECT_TRUE(g.load().HaLaAktiv);
}

TEST(PermanenceReader, EachFileEndRaisesPermanenceEndOnceWhateverItsLayout) {
    const struct {
        const char* name;
        const char* first;
        std::vector<bool> raised; // after each coup, the flag lowered before it
    } cases[] = {
        {"last row of one coup", "1\r\n2\r\n", {false, true, false, true}},
        {"last row of two coups", "1 2\r\n", {true, true, false, true}},
        {"comment after the last row", "1\r\n2\r\nEnde\r\n", {false, false, true, true}},
        {"no line end after the last row", "1\r\n2", {false, true, false, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PermanenceGame g;
        g.state().settings.FollowLoadFiles[0] = g.write("B.INP", "20\r\n21\r\n");
        ASSERT_TRUE(g.activate(g.write("A.INP", c.first)));
        std::vector<bool> raised;
        for (std::size_t coup = 0; coup < c.raised.size(); ++coup) {
            g.load().PermanenceEnd = false;
            g.coup();
            raised.push_back(g.load().PermanenceEnd);
        }
        EXPECT_EQ(raised, c.raised);
    }
}

TEST(PermanenceReader, TheNextFollowFileTakesOverAtTheEndOfTheMainFile) {
    PermanenceGame g;
    const auto second = g.write("B.INP", "Tisch 2\r\n20 21\r\n");
    const auto third = g.write("C.INP", "30\r\n");
    g.state().settings.FollowLoadFiles[0] = second;
    g.state().settings.FollowLoadFiles[1] = third;
    ASSERT_TRUE(g.activate(g.write("A.INP", "10\r\n")));
    EXPECT_TRUE(g.load().FollowActive);
    EXPECT_EQ(g.coup(), 10);
    g.state().player(3).SystemCoups = 12;
    g.state().ResetRequest = true;
    EXPECT_EQ(g.coup(), 20);
    EXPECT_EQ(g.state().settings.MainLoadFile, second);
    EXPECT_EQ(g.state().settings.FollowLoadFiles[0], third);
    EXPECT_EQ(g.state().settings.FollowLoadFiles[1], "");
    EXPECT_EQ(g.state().player(3).SystemCoups, 0);
    EXPECT_FALSE(g.state().ResetRequest);
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{21, 30}));
    EXPECT_FALSE(g.load().FollowActive);
}

TEST(PermanenceReader, EachFollowFileStartsAtTheFixStart) {
    PermanenceGame g;
    g.state().settings.FollowLoadFiles[0] = g.write("B.INP", "20\r\n21\r\n22\r\n");
    ASSERT_TRUE(g.activate(g.write("A.INP", "10\r\n11\r\n12\r\n")));
    g.options().StartMode = LoadStartMode::Fix;
    g.options().FixStartCoup = 3;
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{10, 11, 12, 22}));
}

TEST(PermanenceReader, AFollowFileGoneBeforeItsTurnIsReportedAndPassedOver) {
    PermanenceGame g;
    const auto gone = g.write("B.INP", "20\r\n");
    g.state().settings.FollowLoadFiles[0] = gone;
    g.state().settings.FollowLoadFiles[1] = g.write("C.INP", "30\r\n");
    ASSERT_TRUE(g.activate(g.write("A.INP", "10\r\n")));
    std::filesystem::remove(gone);
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{10, 30}));
    ASSERT_EQ(g.messageNumbers(), std::vector<int>{8});
    EXPECT_EQ(g.host.messages[0].text,
              shortenFileLine(gone + "\r") + "als Hauptladedatei nicht vorhanden!");
}

TEST(PermanenceReader, AMainFileDeletedAfterItWasOpenedStillPlays) {
    PermanenceGame g;
    const auto file = g.write("A.INP", "1 2\r\n3\r\n");
    ASSERT_TRUE(g.activate(file));
    std::filesystem::remove(file);
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{1, 2, 3}));
}

TEST(PermanenceReader, TheCollectFileRefillsTheFollowSlotsDuringPlay) {
    PermanenceGame g;
    g.write("B.INP", "20\r\n");
    g.write("C.INP", "30\r\n");
    g.write("D.INP", "33\r\n");
    const auto collect = g.write("LIST.SNP", "(* Tisch *) C.INP\r\n\r\n  D.INP  \r\n");
    g.state().settings.CollectLoadFile = collect;
    ASSERT_TRUE(openCollectLoadFile(g.game));
    g.load().SaLaAktiv1 = true;
    g.load().CollectActive = true;
    g.state().settings.FollowLoadFiles[0] = (g.folder / "B.INP").string();
    ASSERT_TRUE(g.activate(g.write("A.INP", "10\r\n")));
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{10, 20, 30, 33}));
    EXPECT_TRUE(g.host.messages.empty());
    EXPECT_FALSE(g.load().SaLaAktiv1);
    EXPECT_FALSE(g.load().CollectActive);
}

TEST(PermanenceReader, TheRefillTakesACommentLineAsANameAndReportsIt) {
    PermanenceGame g;
    g.write("C.INP", "30\r\n");
    g.state().settings.CollectLoadFile = g.write("LIST.SNP", "// Wiesbaden\r\nC.INP\r\n");
    ASSERT_TRUE(openCollectLoadFile(g.game));
    g.load().CollectActive = true;
    g.state().settings.FollowLoadFiles[0] = g.write("B.INP", "20\r\n");
    ASSERT_TRUE(g.activate(g.write("A.INP", "10\r\n")));
    EXPECT_EQ(g.coup(), 10);
    EXPECT_EQ(g.coup(), 20);
    ASSERT_EQ(g.messageNumbers(), std::vector<int>{9});
    EXPECT_NE(g.host.messages[0].text.find("// Wiesbaden\r"), std::string::npos);
    EXPECT_EQ(g.state().settings.FollowLoadFiles[0], "");
    // The refill stopped at the bad line; the next switch goes on with the next name.
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{}));
}

TEST(PermanenceReader, ACollectFileNamingItselfEndsWithoutCoupsFromIt) {
    PermanenceGame g;
    const auto collect = g.write("LIST.SNP", "LIST.SNP\r\nLIST.SNP\r\n");
    g.state().settings.CollectLoadFile = collect;
    ASSERT_TRUE(openCollectLoadFile(g.game));
    g.load().CollectActive = true;
    g.state().settings.FollowLoadFiles[0] = collect;
    ASSERT_TRUE(g.activate(g.write("A.INP", "10\r\n")));
    EXPECT_EQ(g.coupsToEnd(), (std::vector<int>{10}));
    EXPECT_TRUE(g.host.messages.empty());
}

TEST(PermanenceReader, TheEndOfTheLoadFilesGivesARandomCoupAndUnticksTheMainFile) {
    for (bool pauseAtEnd : {false, true}) {
        SCOPED_TRACE(pauseAtEnd);
        PermanenceGame g;
        g.state().settings.PauseAtLoadEnd = pauseAtEnd;
        ASSERT_TRUE(g.activate(g.write("A.INP", "10\r\n")));
        g.options().StartMode = LoadStartMode::Fix;
        EXPECT_EQ(g.coup(), 10);
        EXPECT_FALSE(g.state().PauseRequest);
        const int number = g.coup();
        EXPECT_GE(number, 1);
        EXPECT_LE(number, 36);
        EXPECT_EQ(g.state().NumberSource, "Computer");
        EXPECT_FALSE(g.load().HaLaAktiv);
        EXPECT_FALSE(g.load().mainFile);
        EXPECT_TRUE(g.load().PermanenceEnd);
        EXPECT_FALSE(g.load().MatrixStatusVisible);
        EXPECT_EQ(g.load().MatrixStatus, "");
        EXPECT_EQ(g.state().PauseRequest, pauseAtEnd);
        EXPECT_EQ(g.options().StartMode, LoadStartMode::Normal);
        EXPECT_TRUE(g.host.messages.empty());
    }
}

TEST(PermanenceReader, RandomCoupsAtTheEndNeverDrawTheZero) {
    PermanenceGame g(TableType::American);
    ASSERT_TRUE(g.activate(g.write("A.INP", "")));
    std::set<int> drawn;
    for (int i = 0; i < 2000; ++i) {
        g.load().LoadEnd = true;
        drawn.insert(g.coup());
    }
    EXPECT_EQ(drawn.size(), 37u);
    EXPECT_EQ(*drawn.begin(), 1);
    EXPECT_EQ(*drawn.rbegin(), 37);
}

TEST(PermanenceReader, OpeningTheMainFileReportsAMissingFileOrName) {
    PermanenceGame g;
    const auto missing = (g.folder / "missing.inp").string();
    EXPECT_FALSE(g.activate(missing));
    EXPECT_EQ(g.state().settings.MainLoadFile, "");
    EXPECT_FALSE(g.load().HaLaAktiv);
    ASSERT_EQ(g.messageNumbers(), std::vector<int>{8});
    EXPECT_EQ(g.host.messages[0].text,
              shortenFileLine(missing + "\r") + "als Hauptladedatei nicht vorhanden!");
    EXPECT_FALSE(g.activate(""));
    EXPECT_EQ(g.messageNumbers(), (std::vector<int>{8, 6}));
    EXPECT_FALSE(g.activate(g.folder.path().string()));
    EXPECT_EQ(g.messageNumbers(), (std::vector<int>{8, 6, 8}));
}

TEST(PermanenceReader, ActivationShowsTheStatusLineAndWithdrawsAnUntickPause) {
    PermanenceGame g;
    g.state().settings.PauseAtLoadEnd = true;
    const auto file = g.write("A.INP", "1\r\n");
    ASSERT_TRUE(g.activate(file));
    EXPECT_TRUE(g.load().MatrixStatusVisible);
    EXPECT_EQ(g.load().MatrixStatus, "Ladedatei: " + file);
    deactivateMainLoadFile(g.game);
    EXPECT_TRUE(g.state().PauseRequest);
    EXPECT_FALSE(g.load().MatrixStatusVisible);
    g.state().settings.Language = 1;
    ASSERT_TRUE(g.activate(file));
    EXPECT_FALSE(g.state().PauseRequest);
    EXPECT_EQ(g.load().MatrixStatus, "Loadfile: " + file);
}

TEST(PermanenceReader, TheBallTravelsForwardAndAWholeTurnToItsOwnPocket) {
    Table table;
    table.PocketTable = standardPocketTable(TableType::French);
    const int pocketOf17 = table.pocketOf(17);
    for (int ball = 1; ball <= table.PocketCount; ++ball) {
        SCOPED_TRACE(ball);
        const int steps = pocketDistance(table, 17, ball);
        EXPECT_GE(steps, 1);
        EXPECT_LE(steps, table.PocketCount);
        EXPECT_EQ((ball - 1 + steps) % table.PocketCount + 1, pocketOf17);
    }
    EXPECT_EQ(pocketDistance(table, 17, pocketOf17), 37);
}

} // namespace
} // namespace quendra
