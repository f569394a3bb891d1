// The system players and the system-play menu: assignments of system and protocol files, the
// key rule, the resets, OK with its flags, warnings and the system-set timer, the close rules,
// and the system editor's restart rule.
#include "game/GameCommands.h"
#include "permanence/PermanenceState.h"
#include "support/SystemPlayGame.h"
#include "systemplay/SystemEditing.h"
#include "systemplay/SystemFile.h"
#include "systemplay/SystemPlayers.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace quendra {
namespace {

using testing::readFile;
using testing::SystemPlayGame;

const std::string Doubling = "st:\r\n\tsz ei1(1), ec03;\r\nal:\r\n\tsz ei1(1), ec03;\r\n";
const std::string Normalised = "ST:\r\nSZ EI1(1), EC03;\r\nAL:\r\nSZ EI1(1), EC03;\r\n";

void touchLater(const std::string& file) {
    std::filesystem::last_write_time(file, std::filesystem::last_write_time(file) +
                                               std::chrono::seconds(2));
}

TEST(SystemPlayers, AssigningAFileNormalisesItOnceAndTwoPlayersShareIt) {
    SystemPlayGame g(2);
    const std::string file = g.writeSystem("SHARED.SYF", Doubling);
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    SystemFileChosen(g.game, menu, 1, file);
    EXPECT_EQ(readFile(file), Normalised);
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    EXPECT_EQ(menu.group(1).systemEdit, "SHARED.SYF");
    EXPECT_TRUE(menu.group(1).systemBox);

    // The second player takes the file as it stands: no second normalisation.
    g.folder.write("SYSTEM/SHARED.SYF", Doubling);
    touchLater(file);
    SystemFileChosen(g.game, menu, 2, file);
    EXPECT_EQ(readFile(file), Doubling);
    EXPECT_EQ(g.player(2).sys.RecordedTime, systemFileTime(file).value());
    SystemfilemenuOKClick(g.game, menu);
    SystemSetTimerTick(g.game);
    // Player 1's run finds the file changed and normalises it for both.
    EXPECT_EQ(readFile(file), Normalised);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 1);
    EXPECT_EQ(g.stakeOn(2, "EC03"), 1);
    EXPECT_TRUE(g.systemMessages().empty());
}

TEST(SystemPlayers, AMissingOrFailingSystemFileLeavesAFreshPlayerAndNone) {
    SystemPlayGame g;
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    g.state().SpielerStatPos = 12;
    SystemFileChosen(g.game, menu, 1, g.writeSystem("OK.SYF", Doubling));
    SystemFileChosen(g.game, menu, 1, (g.folder / "SYSTEM" / "GONE.SYF").string());
    EXPECT_EQ(g.boxes(MessageKind::Error), std::vector<int>{1});
    EXPECT_EQ(g.host.messages.back().text, "Systemspieldatei des Spielers 1 nicht vorhanden!");
    EXPECT_EQ(g.player(1).sys.SystemFile, "");
    EXPECT_EQ(g.state().SpielerStatPos, 0) << "a fresh player object";
    EXPECT_EQ(menu.group(1).systemEdit, "none");
    EXPECT_FALSE(menu.group(1).systemBox);

    const std::string failing = g.writeSystem("BAD.SYF", "st:\r\nsz ec01\r\n");
    SystemFileEntered(g.game, menu, 1, "BAD");
    EXPECT_EQ(g.boxes(MessageKind::Error), (std::vector<int>{1, 3}));
    EXPECT_EQ(readFile(failing), "st:\r\nsz ec01\r\n");
    EXPECT_FALSE(g.player(1).sys.SystemActive);
    EXPECT_EQ(menu.group(1).systemEdit, "none");
}

TEST(SystemPlayers, TypedNamesTakeTheWorkFoldersAndExtensions) {
    SystemPlayGame g;
    const std::filesystem::path folder = g.folder.path();
    EXPECT_EQ(typedSystemFileName(g.state(), "DOUBLE"),
              (folder / "SYSTEM" / "DOUBLE.SYF").string());
    EXPECT_EQ(typedSystemFileName(g.state(), "A.TXT"), (folder / "SYSTEM" / "A.TXT").string());
    EXPECT_EQ(typedSystemFileName(g.state(), "/x/B"), "/x/B.SYF");
    EXPECT_EQ(typedProtocolFileName(g.state(), "OUT1"), (folder / "SYSOUT" / "OUT1.OUT").string());
    EXPECT_EQ(fileEditText("C:\\QUENDRA\\SYSTEM\\A.SYF"), "A.SYF");
    EXPECT_EQ(fileEditText(""), "none");
}

TEST(SystemPlayers, AProtocolNeedsAnActiveSystemAndAFileNoOtherPlayerWrites) {
    SystemPlayGame g(2);
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    ProtocolFileEntered(g.game, menu, 1, "P1");
    EXPECT_EQ(g.boxes(MessageKind::Warning), std::vector<int>{1});
    EXPECT_FALSE(ProtocolEditKey(g.game, menu, 1)) << "the key is refused";
    EXPECT_FALSE(ProtocolChoiceAllowed(g.game, 1));
    EXPECT_EQ(g.boxes(MessageKind::Warning), (std::vector<int>{1, 1, 1}));

    const std::string file = g.writeSystem("A.SYF", Doubling);
    SystemFileChosen(g.game, menu, 1, file);
    SystemFileChosen(g.game, menu, 2, file);
    ProtocolFileEntered(g.game, menu, 1, "none");
    EXPECT_EQ(g.boxes(MessageKind::Error), std::vector<int>{5});
    ProtocolFileEntered(g.game, menu, 1, "P1");
    EXPECT_TRUE(menu.group(1).protocolBox);
    EXPECT_EQ(menu.group(1).protocolEdit, "P1.OUT");
    // The same name for player 2 is refused, although the first file is still empty.
    ProtocolFileChosen(g.game, menu, 2, g.protocolName("P1.OUT"));
    EXPECT_EQ(g.boxes(MessageKind::Error), (std::vector<int>{5, 18}));
    EXPECT_EQ(g.player(2).sys.ProtocolFile, "");
    EXPECT_FALSE(g.player(2).sys.ProtocolActive);
    EXPECT_EQ(menu.group(2).protocolEdit, "none");
    // A folder in place of a file cannot be created.
    std::filesystem::create_directories(g.protocolName("DIR.OUT"));
    ProtocolFileChosen(g.game, menu, 2, g.protocolName("DIR.OUT"));
    EXPECT_EQ(g.boxes(MessageKind::Error), (std::vector<int>{5, 18, 4}));
}

TEST(SystemPlayers, AKeyInAnEditDropsTheAssignmentAtOnce) {
    SystemPlayGame g;
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    SystemFileChosen(g.game, menu, 1, g.writeSystem("A.SYF", Doubling));
    ProtocolFileEntered(g.game, menu, 1, "P1");
    EXPECT_TRUE(ProtocolEditKey(g.game, menu, 1));
    EXPECT_EQ(g.player(1).sys.ProtocolFile, "");
    EXPECT_FALSE(menu.group(1).protocolBox);
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    SystemEditKey(g.game, menu, 1);
    EXPECT_EQ(g.player(1).sys.SystemFile, "");
    EXPECT_FALSE(g.player(1).sys.SystemActive);
    EXPECT_FALSE(menu.group(1).systemBox);
}

TEST(SystemPlayers, OkActivatesTickedPlayersAndTheTimerPlacesOnlyTheNewOnesFirstBets) {
    SystemPlayGame g(3);
    const std::string file = g.writeSystem("A.SYF", Doubling);
    g.activate(1, file);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 1);
    g.player(1).system.abort.WaitingActive = true;

    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    EXPECT_EQ(g.state().phase, TextKind::gkPause);
    EXPECT_TRUE(menu.group(1).activeAtOpen);
    EXPECT_FALSE(menu.group(4).enabled);
    SystemFileChosen(g.game, menu, 2, file);
    SystemBoxClicked(g.game, menu, 3, true); // no file: warning 3
    ProtocolBoxClicked(menu, 2, true);       // no protocol file: warning 4
    SystemfilemenuOKClick(g.game, menu);
    EXPECT_EQ(g.boxes(MessageKind::Warning), (std::vector<int>{4, 3})); // players in order
    EXPECT_FALSE(menu.group(3).systemBox);
    EXPECT_FALSE(menu.group(2).protocolBox);
    EXPECT_FALSE(menu.open);
    EXPECT_EQ(g.state().phase, TextKind::gkMakeBet);
    EXPECT_TRUE(g.state().systemPlay.SystemSetTimerOn);
    EXPECT_TRUE(g.player(1).system.abort.WaitingActive) << "player 1 was not flagged";
    EXPECT_TRUE(g.player(1).StartDone);

    SystemSetTimerTick(g.game);
    EXPECT_FALSE(g.state().systemPlay.SystemSetTimerOn);
    EXPECT_EQ(g.stakeOn(1, "EC03"), 1) << "player 1 played no second turn";
    EXPECT_EQ(g.stakeOn(2, "EC03"), 1);
    EXPECT_TRUE(g.player(2).StartDone);
    EXPECT_FALSE(g.player(3).sys.SystemActive);
}

TEST(SystemPlayers, UntickingASystemStopsItsProtocolAndResetsIt) {
    SystemPlayGame g;
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    SystemFileChosen(g.game, menu, 1, g.writeSystem("A.SYF", Doubling));
    ProtocolFileEntered(g.game, menu, 1, "P1");
    SystemfilemenuOKClick(g.game, menu);
    SystemSetTimerTick(g.game);
    g.player(1).system.Counters[5] = 9;

    menu = OpenSystemPlayMenu(g.game);
    SystemBoxClicked(g.game, menu, 1, false);
    EXPECT_FALSE(g.player(1).sys.ProtocolActive);
    EXPECT_FALSE(menu.group(1).protocolBox);
    SystemfilemenuOKClick(g.game, menu);
    EXPECT_FALSE(g.player(1).sys.SystemActive);
    EXPECT_EQ(g.player(1).system.Counters[5], 0);
    EXPECT_EQ(g.player(1).sys.SystemFile, g.folder.path() / "SYSTEM" / "A.SYF");
}

TEST(SystemPlayers, TheResetsAndFullResetGiveFreshPlayers) {
    SystemPlayGame g(2);
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    for (int p : {1, 2}) {
        SystemFileChosen(g.game, menu, p,
                         g.writeSystem("A" + std::to_string(p) + ".SYF", Doubling));
        ProtocolFileEntered(g.game, menu, p, "P" + std::to_string(p));
    }
    SpOutResetClick(g.game, menu, 1);
    EXPECT_EQ(g.player(1).sys.ProtocolFile, "");
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    EXPECT_EQ(menu.group(1).protocolEdit, "none");

    SystemfileFullResetClick(g.game, menu); // answered No
    EXPECT_TRUE(g.player(2).sys.SystemActive);
    EXPECT_EQ(g.host.messages.back().title, "Systemanfrage");
    EXPECT_EQ(g.host.messages.back().text, "Sollen wirklich alle Spieler zurückgesetzt werden?");
    g.host.answers.push_back(true);
    SystemfileFullResetClick(g.game, menu);
    for (int p : {1, 2}) {
        EXPECT_EQ(g.player(p).sys.SystemFile, "");
        EXPECT_FALSE(g.player(p).sys.SystemActive);
        EXPECT_EQ(menu.group(p).systemEdit, "none");
        EXPECT_EQ(menu.group(p).protocolEdit, "none");
    }
}

TEST(SystemPlayers, OpeningTheMenuClearsStartDoneOfInactivePlayersAndClosingEndsRandomAttacks) {
    SystemPlayGame g(2);
    g.player(2).StartDone = true;
    g.state().permanence.menu.options.StartMode = LoadStartMode::RandomAttacks;
    SystemPlayMenu menu = OpenSystemPlayMenu(g.game);
    EXPECT_FALSE(g.player(2).StartDone);
    CloseSystemPlayMenu(g.game, menu);
    EXPECT_EQ(g.state().permanence.menu.options.StartMode, LoadStartMode::RandomAttacks);

    g.activate(1, g.writeSystem("A.SYF", Doubling));
    EXPECT_EQ(g.state().permanence.menu.options.StartMode, LoadStartMode::Normal);
}

TEST(SystemEditing, AChangedFileWarnsAndRestartsItsPlayersAnUnchangedOneDoesNot) {
    SystemPlayGame g(3);
    const std::string file = g.writeSystem("A.SYF", Doubling);
    for (int p : {1, 2}) {
        g.activate(p, file);
    }
    g.activate(3, g.writeSystem("B.SYF", Doubling));
    g.player(1).system.ReferenceCapital = 500;

    // Player 1 is suspended, player 2 is not: the file opens read-only.
    g.host.answers = {true, false};
    g.host.whileEditing = [&](const SystemEditorRequest&) {
        EXPECT_FALSE(g.player(1).sys.SystemActive);
        EXPECT_TRUE(g.player(2).sys.SystemActive);
    };
    EditPlayerSystemFile(g.game, 1);
    ASSERT_EQ(g.host.editorRequests.size(), 1u);
    EXPECT_TRUE(g.host.editorRequests[0].browseOnly);
    EXPECT_EQ(g.host.editorRequests[0].LineNumber, 0);
    EXPECT_TRUE(g.player(1).sys.SystemActive);
    EXPECT_TRUE(g.player(1).StartDone) << "unchanged: no restart";
    EXPECT_TRUE(g.boxes(MessageKind::Warning).empty());

    g.host.answers = {true, true};
    g.host.whileEditing = [&](const SystemEditorRequest& request) {
        g.folder.write("SYSTEM/A.SYF", Normalised);
        touchLater(request.file.string());
    };
    EditPlayerSystemFile(g.game, 2);
    EXPECT_EQ(g.boxes(MessageKind::Warning), (std::vector<int>{16, 16}));
    EXPECT_EQ(g.host.messages.back().text,
              "Systemspiel des Spielers 2 wurde zurückgesetzt - aufgrund Änderungen im "
              "Systemspielfile!");
    for (int p : {1, 2}) {
        EXPECT_TRUE(g.player(p).sys.SystemActive);
        EXPECT_FALSE(g.player(p).StartDone);
    }
    EXPECT_EQ(g.player(1).system.ReferenceCapital, 0);
    EXPECT_TRUE(g.player(3).StartDone) << "another file";
}

TEST(SystemEditing, TheSuspendQuestionNamesThePlayerInBothLanguages) {
    EXPECT_EQ(suspendForEditingQuestion(2, Language::German).text,
              "Um die Systemspieldatei 2 zu editieren muß es deaktiviert werden!\rSoll die "
              "Systemspieldatei 2 jetzt deaktiviert werden ?");
    EXPECT_EQ(suspendForEditingQuestion(3, Language::English).text,
              "For edit of the systemfile 3 it is necessary to deactivate it befor!\rShould the "
              "systemfile 3 now deactivated?");
}

} // namespace
} // namespace quendra
