// Start-up of the game: the state after the main window opens, the table, the delay rule, the
// players' files, and the numbered boxes raised through the game.
#include "game/ProgramFolder.h"
#include "game/StartUp.h"
#include "settings/SettingsIo.h"
#include "support/RecordingHost.h"
#include "support/TempFolder.h"
#include "text/FileLine.h"

#include <gtest/gtest.h>

namespace quendra {
namespace {

using testing::RecordingHost;
using testing::TempFolder;

class StartUp : public ::testing::Test {
protected:
    StartUp() {
        folder.copyWheelFiles();
        host.setDate(2026, 12, 10, 12 * 3600 * 1000);
        initialiseGameState(game.state(), folder.path());
    }

    bool start() { return startGameWindow(game, store); }
    GameState& state() { return game.state(); }

    TempFolder folder;
    RecordingHost host;
    Game game{host, 1};
    MemorySettingsStore store;
};

TEST_F(StartUp, EmptyStoreGivesAStoppedGameOnTheFrenchTable) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(state().phase, TextKind::gkSpielstart);
    EXPECT_FALSE(state().GameTimerOn);
    EXPECT_TRUE(state().table.FrenchTable);
    EXPECT_EQ(state().table.HighestNumber, 36);
    EXPECT_EQ(state().table.PocketCount, 37);
    EXPECT_EQ(state().table.ballNumber(), 10); // the day of the month
    EXPECT_EQ(state().table.RecentPockets, (std::array<std::uint8_t, 3>{255, 255, 255}));
    EXPECT_EQ(state().CurrentPlayer, 1);
    EXPECT_EQ(state().PreviousPlayer, 1);
    EXPECT_EQ(state().ManualSteps, 99);
    EXPECT_EQ(state().ManualNumber, 99);
    EXPECT_EQ(state().TimeBarLimit, 1500);
    for (std::uint16_t slot : state().LastSixteen) {
        EXPECT_EQ(slot, 100);
    }
    for (const Player& player : state().players) {
        EXPECT_EQ(player.Capital, 2000);
        EXPECT_EQ(player.StartCapital, 2000);
        EXPECT_EQ(player.BetSum, 0);
    }
}

TEST_F(StartUp, TheBallLiesInThePocketOfTheDayOfTheMonth) {
    for (unsigned day : {1u, 31u}) {
        SCOPED_TRACE(day);
        host.setDate(2026, 12, day);
        ASSERT_TRUE(start());
        EXPECT_EQ(state().table.ballNumber(), static_cast<int>(day));
    }
}

TEST_F(StartUp, StoredTableTypeIsLoaded) {
    store.write(SettingsSection, "Tisch", "5");
    ASSERT_TRUE(start());
    EXPECT_FALSE(state().table.FrenchTable);
    EXPECT_EQ(state().table.HighestNumber, 37);
    EXPECT_EQ(state().table.PocketCount, 38);
}

TEST_F(StartUp, MissingWheelFileShowsError7WithTheFileOfTheTable) {
    struct Case {
        const char* tisch;
        const char* file;
    };
    for (const Case& c : {Case{"0", "EIGENPR.VER"}, Case{"1", "EIGENPRA.VER"}}) {
        SCOPED_TRACE(c.file);
        std::filesystem::remove(folder / c.file);
        store.write(SettingsSection, "Tisch", c.tisch);
        host.messages.clear();
        EXPECT_FALSE(start());
        ASSERT_EQ(host.messages.size(), 1u);
        EXPECT_EQ(host.messages[0].kind, MessageKind::Error);
        EXPECT_EQ(host.messages[0].number, 7);
        EXPECT_EQ(host.messages[0].text,
                  (folder / c.file).string() + "\rInterne Steuerdatei nicht vorhanden!");
    }
}

TEST_F(StartUp, DamagedWheelFileIsRefusedLikeAMissingOne) {
    const std::string whole = testing::readFile(folder / "EIGENPR.VER");
    folder.write("EIGENPR.VER", whole.substr(0, whole.size() - 1));
    EXPECT_FALSE(start());
    EXPECT_EQ(host.lastNumber(), 7);
}

TEST_F(StartUp, TheDelayRule) {
    struct Case {
        const char* stored;
        int inUse;
        int limit;
    };
    for (const Case& c : {Case{"150", 50, 1500}, Case{"0", 0, 1}, Case{"100", 100, 3000},
                          Case{"-1", 50, 1500}, Case{"1", 1, 30}}) {
        SCOPED_TRACE(c.stored);
        store.write(SettingsSection, "ZeitbalkenVar", c.stored);
        ASSERT_TRUE(start());
        EXPECT_EQ(state().TimeBarDelayInUse, c.inUse);
        EXPECT_EQ(state().TimeBarLimit, c.limit);
        // The stored setting is left as it was.
        EXPECT_EQ(state().settings.TimeBarDelay, std::stoi(c.stored));
    }
}

TEST_F(StartUp, PlayersKeepTheirFilesOnlyWhileTheyCanBeUsed) {
    const auto system = folder.write("SYSTEM/A.SYF", "ST:\r\n");
    const auto protocol = (folder / "SYSOUT") / "A.OUT";
    std::filesystem::create_directories(protocol.parent_path());
    store.write(SettingsSection, "SYSSPfullname1", system.string());
    store.write(SettingsSection, "OUTSPfullname1", protocol.string());
    store.write(SettingsSection, "SYSSPfullname2", (folder / "gone.SYF").string());
    store.write(SettingsSection, "OUTSPfullname2", protocol.string());
    store.write(SettingsSection, "SYSSPfullname3", system.string());
    store.write(SettingsSection, "OUTSPfullname3", (folder / "no-folder" / "B.OUT").string());
    const auto failing = folder.write("SYSTEM/BAD.SYF", "st:\r\nsz ec01\r\n");
    store.write(SettingsSection, "SYSSPfullname4", failing.string());

    ASSERT_TRUE(start());

    EXPECT_EQ(state().player(1).sys.SystemFile, system.string());
    EXPECT_EQ(state().player(1).sys.ProtocolFile, protocol.string());
    EXPECT_FALSE(std::filesystem::exists(protocol)); // checking creates nothing
    EXPECT_EQ(state().player(2).sys.SystemFile, "");
    EXPECT_EQ(state().settings.PlayerFiles[1], PlayerFilePair{});
    EXPECT_EQ(state().player(3).sys.SystemFile, system.string());
    EXPECT_EQ(state().player(3).sys.ProtocolFile, "");
    EXPECT_EQ(state().settings.PlayerFiles[2].OutputFile, "");
    // A file failing the pre-check is dropped, and left as it was: no normalisation at start-up.
    EXPECT_EQ(state().player(4).sys.SystemFile, "");
    EXPECT_EQ(testing::readFile(failing), "st:\r\nsz ec01\r\n");
    EXPECT_EQ(state().player(1).sys.RecordedTime, 0.0);
    // The system stays inactive after a start.
    for (const Player& player : state().players) {
        EXPECT_FALSE(player.sys.SystemActive);
        EXPECT_FALSE(player.sys.ProtocolActive);
    }
}

TEST(ProgramFolder, HomeVariableThenAWritableUninstalledExecutableFolderThenTheUsersData) {
    TempFolder root;
    const std::filesystem::path build = root / "build/bin";
    const std::filesystem::path installed = root / "usr/bin";
    std::filesystem::create_directories(build);
    std::filesystem::create_directories(installed);
    std::filesystem::create_directories(root / "usr/share/quendra");
    const std::filesystem::path data = root / "data";
    const std::filesystem::path missing = root / "nowhere/bin"; // cannot be written
    EXPECT_EQ(resolveProgramFolder(build, "/home/u/q", data), "/home/u/q");
    EXPECT_EQ(resolveProgramFolder(installed, "/home/u/q", data), "/home/u/q");
    EXPECT_EQ(resolveProgramFolder(build, "", data), build);
    EXPECT_EQ(resolveProgramFolder(installed, "", data), data);
    EXPECT_EQ(resolveProgramFolder(missing, "", data), data);
    EXPECT_EQ(resolveProgramFolder(installed, "", {}), installed) << "no data folder known";
    EXPECT_TRUE(std::filesystem::is_empty(build)) << "the write probe is removed";
}

// The first start of an installed copy fills the user's data folder; later starts keep what
// the user changed.
TEST(ProgramFolder, TheUsersDataFolderIsFilledFromTheInstallationWithoutOverwriting) {
    TempFolder root;
    root.write("usr/share/quendra/EIGENPR.VER", "wheel");
    root.write("usr/share/quendra/SYSTEM/MARTINGALE.SYF", "example");
    std::filesystem::create_directories(root / "usr/bin");
    const std::filesystem::path data = root / "home/.local/share/Quendra/Quendra";

    EXPECT_EQ(prepareProgramFolder(root / "usr/bin", "", data), data);
    EXPECT_EQ(testing::readFile(data / "EIGENPR.VER"), "wheel");
    EXPECT_EQ(testing::readFile(data / "SYSTEM/MARTINGALE.SYF"), "example");
    EXPECT_TRUE(std::filesystem::is_directory(data / "SYSOUT"));
    EXPECT_TRUE(std::filesystem::is_directory(data / "SYSIN"));

    root.write("home/.local/share/Quendra/Quendra/SYSTEM/MARTINGALE.SYF", "mine");
    EXPECT_EQ(prepareProgramFolder(root / "usr/bin", "", data), data);
    EXPECT_EQ(testing::readFile(data / "SYSTEM/MARTINGALE.SYF"), "mine");
}

TEST(ProgramFolder, WorkFoldersAreCreatedWhenMissing) {
    TempFolder folder;
    folder.write("SYSIN/kept.txt", "x");
    ASSERT_TRUE(ensureWorkFolders(folder.path()));
    for (const char* name : {"SYSTEM", "SYSOUT", "SYSIN"}) {
        EXPECT_TRUE(std::filesystem::is_directory(folder / name)) << name;
    }
    EXPECT_EQ(testing::readFile(folder / "SYSIN/kept.txt"), "x");
}

class GameMessages : public ::testing::Test {
protected:
    RecordingHost host;
    Game game{host, 1};
};

TEST_F(GameMessages, BoxesFollowTheLanguageAndCarryTheirNumber) {
    game.showWarning(10, 5);
    game.state().settings.Language = 1;
    game.showWarning(10, 5);
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0].number, 10);
    EXPECT_EQ(host.messages[0].text, "Setzung konnte auf Grund Kapitalmangel nicht durchgeführt "
                                     "werden!\rNotwendiges Kapital wären 5 Einheiten!");
    EXPECT_EQ(host.messages[1].text, "The set of chetons is not possible! Reason: Not enough "
                                     "capital!\rNecessary capital: 5 units!");
}

TEST_F(GameMessages, AnErrorNamesTheFileOfItsSelector) {
    game.state().settings.MainLoadFile = "/perm/T1.INP";
    game.showError(8, FileSelector::MainLoadFile);
    EXPECT_EQ(host.messages.back().text, "/perm/T1.INP\rals Hauptladedatei nicht vorhanden!");
    game.showError(1, FileSelector::None, 2);
    EXPECT_EQ(host.messages.back().text, "Systemspieldatei des Spielers 2 nicht vorhanden!");
}

TEST_F(GameMessages, QuestionsAnswerAsTheHostSaysAndUnknownOnesAnswerNo) {
    host.answers = {true, false};
    EXPECT_TRUE(game.askQuestion(3));
    EXPECT_FALSE(game.askQuestion(3));
    host.answers = {true};
    EXPECT_FALSE(game.askQuestion(9));
    EXPECT_EQ(host.messages.back().kind, MessageKind::ProgramError);
}

TEST_F(GameMessages, AnyBoxFirstEndsARunningSuperShortGame) {
    struct Case {
        bool manualBefore;
        TextKind phaseAfter;
    };
    for (const Case& c : {Case{false, TextKind::gkMakeBet}, Case{true, TextKind::gkMakeMan}}) {
        SCOPED_TRACE(c.manualBefore);
        GameState& s = game.state();
        s.phase = TextKind::gkKurzspiel;
        s.TimeBarLimit = 0;
        s.SuperShortSavedLimit = 1500;
        s.SuperShortManualWasOn = c.manualBefore;
        game.showInfo(13);
        EXPECT_EQ(s.phase, c.phaseAfter);
        EXPECT_EQ(s.TimeBarLimit, 1500);
        EXPECT_EQ(s.settings.ManualTimeBar, c.manualBefore);
    }
}

} // namespace
} // namespace quendra

namespace quendra {
namespace {

TEST(ColourDepth, AskedOnlyOnceAndOnlyBelow16Bits) {
    EXPECT_TRUE(colourDepthQuestionNeeded(false, 8));
    EXPECT_FALSE(colourDepthQuestionNeeded(false, 16));
    EXPECT_FALSE(colourDepthQuestionNeeded(true, 8));
}

TEST(ColourDepth, TheQuestionNamesTheColoursOfTheScreen) {
    const auto german = colourDepthQuestion(4, Language::German);
    EXPECT_EQ(german.title, "Info");
    EXPECT_EQ(german.buttons, MessageButtons::YesNo);
    EXPECT_EQ(german.text, "QUENDRA benötigt für eine korrekte Darstellung eine Einstellung von "
                           "mindestens 64K Farben! Zur Zeit sind nur 16 Farben eingestellt! Soll "
                           "QUENDRA trotzdem gestartet werden?");
    EXPECT_EQ(colourDepthQuestion(8, Language::English).text,
              "QUENDRA need for a correct display a minimum of 64k colors! At the moment only 256 "
              "colors available! Start of QUENDRA?");
}

TEST(SaveSettings, ThePlayersFilesGoBackIntoTheRecord) {
    GameState state;
    state.player(2).sys.SystemFile = "/q/SYSTEM/B.SYF";
    state.player(2).sys.ProtocolFile = "/q/SYSOUT/B.OUT";
    state.settings.PlayerFiles[0].SystemFile = "/q/SYSTEM/dropped.SYF";
    MemorySettingsStore store;
    saveGameSettings(state, store);
    EXPECT_EQ(store.read(SettingsSection, "SYSSPfullname2"), "/q/SYSTEM/B.SYF");
    EXPECT_EQ(store.read(SettingsSection, "OUTSPfullname2"), "/q/SYSOUT/B.OUT");
    EXPECT_EQ(store.read(SettingsSection, "SYSSPfullname1"), "");
    EXPECT_EQ(store.writes().back().key, "Tisch");
}

} // namespace
} // namespace quendra
