// The protocol files of the system players: the header and coup lines in their exact columns,
// the comment lines of the load files, CR LF, every line on disk at once, appending to an
// existing file, and closing at a stop and at the end of the game.
#include "support/SystemPlayGame.h"
#include "systemplay/ProtocolFiles.h"
#include "systemplay/SystemMessageBox.h"
#include "systemplay/SystemPlayers.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <vector>

namespace quendra {
namespace {

using testing::readFile;
using testing::SystemPlayGame;

TEST(SystemProtocol, HeaderAndCoupLinesStandInTheirColumns) {
    EXPECT_EQ(protocolHeaderLine("C:\\Q\\SYSTEM\\A.SYF", Language::German),
              " GZ     Gew/Ver     Gesetzt    Guthaben   C:\\Q\\SYSTEM\\A.SYF");
    EXPECT_EQ(protocolHeaderLine("A.SYF", Language::English),
              " GZ     Pro/Los      Sedate      Assets   A.SYF");
    EXPECT_EQ(ProtocolRule, std::string(39, '-'));
    EXPECT_EQ(protocolCoupLine(7, -5, 5, 995, "Computer"),
              "  7          -5           5         995   Computer");
    EXPECT_EQ(protocolCoupLine(37, 175, 5, -2147483647, ""),
              " 37         175           5 -2147483647   ");
}

class ProtocolGame : public ::testing::Test {
protected:
    ProtocolGame() {
        g.loadPermanence("DAY.INP", "Tisch 3\r\n3\r\n2\r\n");
        system = g.writeSystem("A.SYF", "ST:\r\nAL:\r\nSZ EI1(1), EC03;\r\n");
        SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
        SystemFileChosen(g.game, menu, 1, system);
        ProtocolFileEntered(g.game, menu, 1, "P1");
        SystemfilemenuOKClick(g.game, menu);
        SystemSetTimerTick(g.game);
    }

    std::string header() const {
        return " GZ     Gew/Ver     Gesetzt    Guthaben   " + system + "\r\n" +
               std::string(39, '-') + "\r\n";
    }

    SystemPlayGame g;
    std::string system;
    std::string protocol = g.protocolName("P1.OUT");
};

TEST_F(ProtocolGame, EveryCoupAndCommentLineIsOnDiskAsSoonAsItIsWritten) {
    EXPECT_EQ(readFile(protocol), header());
    g.coup(); // the first run bet nothing: its start section has no bet
    g.coup();
    const std::string label = g.state().settings.MainLoadFile;
    EXPECT_EQ(readFile(protocol), header() + std::string(42, ' ') + "Tisch 3\r\n" +
                                      "  3           0           0        1000   " + label +
                                      "\r\n" + "  2          -1           1         999   \r\n");
    EXPECT_TRUE(ProtocolFileOpen(g.game, 1));
}

TEST_F(ProtocolGame, AStopClosesTheProtocolAndTheEndOfTheGameClosesEveryOne) {
    ShowSystemMessage(g.game, 1, 57);
    EXPECT_FALSE(g.player(1).sys.ProtocolActive);
    EXPECT_FALSE(ProtocolFileOpen(g.game, 1));
    g.coup();
    EXPECT_EQ(readFile(protocol), header()) << "no line for a stopped player";

    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    SystemBoxClicked(g.game, menu, 1, true);
    ProtocolBoxClicked(menu, 1, true);
    SystemfilemenuOKClick(g.game, menu);
    EXPECT_TRUE(ProtocolFileOpen(g.game, 1)) << "reopened for appending, no second header";
    g.game.hooks().closeGameFiles(g.game);
    EXPECT_FALSE(ProtocolFileOpen(g.game, 1));
    EXPECT_EQ(readFile(protocol), header());
}

TEST_F(ProtocolGame, ReassigningAnExistingFileAppendsANewHeaderBelowTheOldLines) {
    g.coup();
    const std::string before = readFile(protocol);
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    ProtocolFileEntered(g.game, menu, 1, "P1.OUT");
    CloseSystemPlayMenu(g.game, menu);
    EXPECT_EQ(readFile(protocol), before + header());
}

// A protocol file on a full device takes no line: assigned, it gets error 4 once and falls
// back to none, and the system plays without it.
TEST(SystemProtocol, AFileOnAFullDeviceIsRefusedWithError4) {
    SystemPlayGame g;
    const std::string system = g.writeSystem("A.SYF", "ST:\r\nAL:\r\nSZ EI1(1), EC03;\r\n");
    std::filesystem::create_symlink("/dev/full", g.protocolName("FULL.OUT"));
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    SystemFileChosen(g.game, menu, 1, system);
    ProtocolFileEntered(g.game, menu, 1, "FULL.OUT");
    SystemfilemenuOKClick(g.game, menu);
    SystemSetTimerTick(g.game);
    g.coup();
    g.coup();
    EXPECT_EQ(g.boxes(MessageKind::Error), std::vector<int>{4});
    EXPECT_EQ(g.player(1).sys.ProtocolFile, "");
    EXPECT_FALSE(ProtocolFileOpen(g.game, 1));
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.player(1).BetSum, 1);
}

// A device filling up during play: error 4 once, the protocol stops with its lines kept, the
// system plays on.
TEST_F(ProtocolGame, ADeviceFillingUpStopsTheProtocolWithError4Once) {
    const std::string full = g.protocolName("FULL.OUT");
    std::filesystem::create_symlink("/dev/full", full);
    g.coup();
    const std::string written = readFile(protocol);
    g.player(1).sys.ProtocolFile = full;
    CloseProtocolFile(g.game, 1);
    ASSERT_TRUE(OpenProtocolFile(g.game, 1));
    for (int coup = 0; coup < 3; ++coup) {
        g.coup();
    }
    EXPECT_EQ(g.boxes(MessageKind::Error), std::vector<int>{4});
    EXPECT_FALSE(g.player(1).sys.ProtocolActive);
    EXPECT_FALSE(ProtocolFileOpen(g.game, 1));
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.player(1).BetSum, 1);
    EXPECT_EQ(readFile(protocol), written);
}

} // namespace
} // namespace quendra
