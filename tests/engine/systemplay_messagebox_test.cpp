// The messages of a system run as the player sees them: the three compositions, the error
// dialog that opens the editor at the error, the information boxes, the internal-error box, what
// a stop does and what the reset informations leave alone, and the data display's box.
#include "game/SuperShortGame.h"
#include "support/SystemPlayGame.h"
#include "systemplay/SystemMessageBox.h"

#include <gtest/gtest.h>

namespace quendra {
namespace {

using testing::SystemPlayGame;

TEST(SystemMessageBox, TextsRunPrefixPlayerAndLineTogether) {
    struct Case {
        int number;
        int player;
        int line;
        Language language;
        const char* text;
    };
    const Case cases[] = {
        {0, 2, 14, Language::German, "Systemspielfile 2:14 Ungültige Sektion!"},
        {0, 1, 3, Language::English, "Systemgamefile 1:3Section not valid!"},
        {53, 3, 7, Language::German, "Abbruch bei Spieler3:\r Verlustgrenze wurde erreicht!"},
        {57, 4, 0, Language::English, "Abort by player4:\r STOP by user!"},
        {50, 1, 2, Language::German, "Rücksetzung bei Spieler1:\r KOMPLETT STmax erreicht!"},
        {52, 2, 2, Language::English, "Reset by player2:\r Single STmax erreicht!"},
        {48, 1, 1, Language::German, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(systemMessageText(c.number, c.player, c.line, c.language), c.text);
    }
    EXPECT_EQ(systemMessageClass(100), SystemMessageClass::Error);
    EXPECT_EQ(systemMessageClass(121), SystemMessageClass::Error);
    EXPECT_EQ(systemMessageClass(10), SystemMessageClass::Unknown);
}

class MessageGame : public ::testing::Test {
protected:
    MessageGame() {
        g.activate(2, g.writeSystem("A.SYF", "ST:\r\nAL:\r\nSZ EI1(1), EC03;\r\n"));
        g.host.messages.clear();
    }
    SystemPlayGame g{2};
};

TEST_F(MessageGame, YesInTheErrorDialogOpensTheEditorAtTheErrorWhileTheGamePauses) {
    g.host.answers.push_back(true);
    g.host.whileEditing = [&](const SystemEditorRequest&) {
        EXPECT_EQ(g.state().phase, TextKind::gkPause);
    };
    SystemMessagePlace place;
    place.LineNumber = 14;
    place.LastLine = "SZ XX01;";
    place.ErrorText = "XX01;";
    place.ErrorLength = 4;
    EXPECT_TRUE(ShowSystemMessage(g.game, 2, 4, place));
    const MessageBoxData& box = g.host.messages.back();
    EXPECT_EQ(box.title, "Systemerror - Quendra");
    EXPECT_EQ(box.buttons, MessageButtons::YesNo);
    EXPECT_EQ(box.text, "Systemspielfile 2:14 Keine gültige SZ Aktion!\rSoll das "
                        "Systemspielfile geöffnet werden?");
    ASSERT_EQ(g.host.editorRequests.size(), 1u);
    SystemEditorRequest expected;
    expected.file = g.player(2).sys.SystemFile;
    expected.LineNumber = 14;
    expected.MessageText = "Systemspielfile 2:14 Keine gültige SZ Aktion!";
    expected.LastLine = "SZ XX01;";
    expected.ErrorText = "XX01;";
    expected.ErrorLength = 4;
    EXPECT_EQ(g.host.editorRequests[0], expected);
    EXPECT_EQ(g.state().phase, TextKind::gkMakeBet) << "resumed";
    EXPECT_FALSE(g.player(2).sys.SystemActive);
}

TEST_F(MessageGame, ResetInformationsLeaveTheSystemAndTheSuperShortGameRunning) {
    SuperShortGameOn(g.game, 0);
    EXPECT_FALSE(ShowSystemMessage(g.game, 2, 50));
    EXPECT_TRUE(g.player(2).sys.SystemActive);
    EXPECT_TRUE(g.state().superShortRunning());
    EXPECT_EQ(g.host.messages.back().icon, MessageIcon::Error);
    EXPECT_EQ(g.host.messages.back().buttons, MessageButtons::Ok);

    EXPECT_TRUE(ShowSystemMessage(g.game, 2, 55));
    EXPECT_FALSE(g.player(2).sys.SystemActive);
    EXPECT_FALSE(g.state().superShortRunning());
    EXPECT_EQ(g.host.messages.back().title, "Systemspiel - Info - Abbruch");
}

TEST_F(MessageGame, AnUnknownNumberShowsTheInternalErrorAndStopsTheSystem) {
    EXPECT_TRUE(ShowSystemMessage(g.game, 2, 77));
    EXPECT_EQ(g.host.messages.back().title, "Internal Error!");
    EXPECT_EQ(g.host.messages.back().text, "Undefine message number: 77 ! Please contact support!");
    EXPECT_FALSE(g.player(2).sys.SystemActive);
}

TEST_F(MessageGame, TheDataDisplayOfMessageShowsWithTheGamePaused) {
    g.folder.write("SYSTEM/A.SYF",
                   "ST:\r\nAL:\r\nSZ CO01(5);\r\nMESSAGE ON;\r\nMESSAGE (CO01, 'HALLO');\r\n");
    std::filesystem::last_write_time(g.player(2).sys.SystemFile,
                                     std::filesystem::last_write_time(g.player(2).sys.SystemFile) +
                                         std::chrono::seconds(2));
    g.coup(3); // the changed file takes effect at once
    ASSERT_EQ(g.boxes(MessageKind::DataDisplay).size(), 1u);
    const MessageBoxData& box = g.host.messages.back();
    EXPECT_EQ(box.title, "Datenanzeige - Quendra");
    EXPECT_EQ(box.icon, MessageIcon::Information);
    EXPECT_EQ(box.text, "Spieler: 2\rDatei : A.SYF\r\rCO01 :  5\r\rHALLO\r");
    EXPECT_EQ(g.state().phase, TextKind::gkMakeBet);
    EXPECT_TRUE(g.player(2).sys.SystemActive);
}

} // namespace
} // namespace quendra
