// The main window's menu bar: its menus and entries in order, with their object names, captions
// in both languages and shortcuts. The app builds its menus from this table; which entries are
// enabled, ticked and shown comes from commandState.
#pragma once

#include "game/CommandState.h"
#include "text/Language.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quendra {

enum class MainMenuId : std::uint8_t {
    Spiel,
    Spielfunktionen,
    Permanenz,
    Statistik,
    Analyse,
    Files,
    Hilfe,
};
inline constexpr int MainMenuCount = 7;

struct MainMenuTitle {
    MainMenuId id;
    std::string_view objectName;
    BilingualText caption;
};

struct MainMenuEntry {
    MainMenuId menu;
    std::string_view objectName;
    BilingualText caption;
    std::string_view shortcut; // a key name such as "F2" or "Shift+F7"; empty for none
    bool separatorBefore = false;
};

inline constexpr std::array<MainMenuTitle, MainMenuCount> MainMenuTitles{{
    {MainMenuId::Spiel, "Spiel1", {"&Spiel", "&Game"}},
    {MainMenuId::Spielfunktionen, "Spielfunktionen1", {"Spiel&funktionen", "Game &functions"}},
    {MainMenuId::Permanenz, "Permanenz1", {"&Permanenz", "&Permanence"}},
    {MainMenuId::Statistik, "Statistik1", {"S&tatistik", "S&tatistics"}},
    {MainMenuId::Analyse, "Analyse1", {"&Analyse", "&Analysis"}},
    {MainMenuId::Files, "Files1", {"F&iles", "F&iles"}},
    {MainMenuId::Hilfe, "Hilfe1", {"&Hilfe", "&Help"}},
}};

inline constexpr std::array MainMenuEntries{
    MainMenuEntry{MainMenuId::Spiel, "Start1", StartCaption, "F2"},
    MainMenuEntry{MainMenuId::Spiel, "Optionen1", OptionsCaption, "F3"},
    MainMenuEntry{MainMenuId::Spiel, "Drucker1", {"Drucker ...", "Printer ..."}, ""},
    MainMenuEntry{MainMenuId::Spiel, "SpielEnde1", EndGameCaption, "F11", true},
    MainMenuEntry{MainMenuId::Spiel, "Pause", PauseCaption, "F12"},
    MainMenuEntry{MainMenuId::Spiel, "Turnierspielstarten1", TournamentStartCaption, "", true},
    MainMenuEntry{MainMenuId::Spiel, "Turnierspielstoppen1", TournamentStopCaption, ""},
    MainMenuEntry{MainMenuId::Spiel, "Beenden1", QuitCaption, "Shift+F7", true},

    MainMenuEntry{MainMenuId::Spielfunktionen, "Systemspiel1", SystemGameCaption, "F5"},
    MainMenuEntry{MainMenuId::Spielfunktionen, "Ladefile1", LoadFileCaption, "F6"},
    MainMenuEntry{MainMenuId::Spielfunktionen, "StatRcksetzung1", StatisticsResetCaption, "F8",
                  true},
    MainMenuEntry{MainMenuId::Spielfunktionen, "Replay1", ReplayCaption, "F9", true},
    MainMenuEntry{MainMenuId::Spielfunktionen, "Superkurzspiel", SuperShortCaption, "F10"},
    MainMenuEntry{MainMenuId::Spielfunktionen, "Hotminimized1", MinimiseCaption, "F7", true},

    MainMenuEntry{MainMenuId::Permanenz, "Tag1", {"Tag", "Day"}, "F4"},
    MainMenuEntry{MainMenuId::Permanenz, "Jahr1", {"Jahr", "Year"}, ""},
    MainMenuEntry{
        MainMenuId::Permanenz, "Konvertierung1", {"Konvertierung ...", "Conversion ..."}, "", true},

    MainMenuEntry{MainMenuId::Statistik, "Tabelle1", {"Tabelle", "Table"}, ""},
    MainMenuEntry{MainMenuId::Statistik, "Grafik1", {"Grafik", "Graphic"}, ""},
    MainMenuEntry{MainMenuId::Statistik, "Verlauf1", {"Verlauf", "Course"}, ""},
    MainMenuEntry{MainMenuId::Statistik,
                  "Kesselverteilung1",
                  {"Kesselverteilung", "Wheeldistribution"},
                  "",
                  true},
    MainMenuEntry{MainMenuId::Statistik,
                  "DynKesselverteilung1",
                  {"dyn. Kesselverteilung", "dyn. Wheeldistribution"},
                  ""},
    MainMenuEntry{
        MainMenuId::Statistik, "Systemtest1", {"Systemtest ...", "Systemtest ..."}, "", true},

    MainMenuEntry{MainMenuId::Analyse, "LadeADatei", {"Datei laden ...", "Load file..."}, ""},
    MainMenuEntry{MainMenuId::Analyse, "Dateiaddieren", {"Datei addieren ...", "Add file..."}, ""},
    MainMenuEntry{MainMenuId::Analyse, "APermanenz1", {"Permanenz", "Permanence"}, "", true},
    MainMenuEntry{MainMenuId::Analyse, "AStatistik1", {"Statistik", "Statistics"}, ""},

    MainMenuEntry{
        MainMenuId::Files, "Systemspieldatei1", {"Systemspieldatei", "Systemplayfile"}, ""},
    MainMenuEntry{MainMenuId::Files, "Ladedatei1", {"Ladedatei", "Loadfile"}, ""},
    MainMenuEntry{MainMenuId::Files, "Ausgabedatei1", {"Ausgabedatei", "Outputfile"}, ""},
    MainMenuEntry{MainMenuId::Files, "Neu1", {"Neu...", "New..."}, "", true},
    MainMenuEntry{MainMenuId::Files, "Oeffnen1", {"Öffnen...", "Open..."}, ""},

    MainMenuEntry{MainMenuId::Hilfe, "HilfeInhalt1", HelpCaption, ""},
    MainMenuEntry{MainMenuId::Hilfe, "Updatecheck1", {"Updatecheck", "Update check"}, "", true},
    MainMenuEntry{MainMenuId::Hilfe, "About1", {"Über Quendra ...", "About ..."}, "", true},
};

// The entry's state in the command model; entries the model does not name are enabled and shown.
CommandEntry menuEntryState(const CommandState& commands, std::string_view objectName);
// The state of an entry of the statistics submenus: that of the main menu entry it hangs below.
CommandEntry statisticsMenuEntryState(const CommandState& commands, std::string_view objectName);
// Whether a whole menu is enabled: the menus a payout count holds are disabled meanwhile.
bool menuEnabled(const CommandState& commands, MainMenuId menu);

} // namespace quendra
