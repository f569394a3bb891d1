// The main window's menu table: every entry bound to the command model reads its state there,
// names and shortcuts are unique, and the analysis entries follow the analysis loader.
#include "game/GameCommands.h"
#include "game/MainMenu.h"
#include "game/StartUp.h"
#include "support/RecordingHost.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

namespace quendra {
namespace {

TEST(MainMenu, ObjectNamesAndShortcutsAreUnique) {
    std::set<std::string_view> names;
    std::set<std::string_view> shortcuts;
    for (const MainMenuEntry& entry : MainMenuEntries) {
        EXPECT_TRUE(names.insert(entry.objectName).second) << entry.objectName;
        if (!entry.shortcut.empty()) {
            EXPECT_TRUE(shortcuts.insert(entry.shortcut).second) << entry.shortcut;
        }
        EXPECT_FALSE(entry.caption.german.empty());
        EXPECT_FALSE(entry.caption.english.empty());
    }
    EXPECT_EQ(shortcuts.size(), 12u); // F2 to F12 and Shift+F7
}

TEST(MainMenu, EntriesReadTheirStateFromTheCommandModel) {
    testing::RecordingHost host;
    Game game(host, 1);
    initialiseGameState(game.state(), {});
    CommandState commands = commandState(game.state());
    EXPECT_TRUE(menuEntryState(commands, "Start1").enabled);
    EXPECT_FALSE(menuEntryState(commands, "SpielEnde1").enabled);
    EXPECT_FALSE(menuEntryState(commands, "Superkurzspiel").enabled);
    EXPECT_TRUE(menuEntryState(commands, "Tabelle1").enabled); // not bound: always offered

    ASSERT_TRUE(StartGame(game));
    commands = commandState(game.state());
    EXPECT_FALSE(menuEntryState(commands, "Start1").enabled);
    EXPECT_TRUE(menuEntryState(commands, "SpielEnde1").enabled);
    EXPECT_TRUE(menuEntryState(commands, "Superkurzspiel").enabled);

    game.state().bets.payout.counting = true;
    commands = commandState(game.state());
    EXPECT_FALSE(menuEnabled(commands, MainMenuId::Statistik));
    EXPECT_TRUE(menuEnabled(commands, MainMenuId::Spiel));
}

TEST(MainMenu, TheAnalysisEntriesWaitForALoadedFile) {
    GameState state;
    CommandState commands = commandState(state);
    EXPECT_FALSE(menuEntryState(commands, "LadeADatei").checked);
    EXPECT_FALSE(menuEntryState(commands, "AStatistik1").enabled);
    // The analysis' submenu entries follow "Statistik" of the analysis menu, the game's stay.
    const char* const analysisLeaves[] = {"Wieoft3", "AFolgezahlen1", "Diagramm25",
                                          "ADynKesselverteilung1"};
    for (const char* name : analysisLeaves) {
        EXPECT_FALSE(statisticsMenuEntryState(commands, name).enabled) << name;
    }
    EXPECT_TRUE(statisticsMenuEntryState(commands, "Diagramm15").enabled);
    state.permanence.analysis.LadeADateiChecked = true;
    state.permanence.analysis.analysisEntriesEnabled = true;
    commands = commandState(state);
    EXPECT_TRUE(menuEntryState(commands, "LadeADatei").checked);
    for (const char* name : {"Dateiaddieren", "APermanenz1", "AStatistik1"}) {
        EXPECT_TRUE(menuEntryState(commands, name).enabled) << name;
    }
    for (const char* name : analysisLeaves) {
        EXPECT_TRUE(statisticsMenuEntryState(commands, name).enabled) << name;
    }
}

} // namespace
} // namespace quendra
