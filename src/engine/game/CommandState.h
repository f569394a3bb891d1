// Which commands of the main window are enabled, ticked and shown in the game's present state:
// one model the app binds its menus, buttons and labels to. The engine announces every change
// with Change::Commands; the app then reads commandState.
#pragma once

#include "bets/BetCommands.h"
#include "game/GameState.h"
#include "text/Language.h"

#include <string>

namespace quendra {

struct CommandEntry {
    bool enabled = false;
    bool checked = false;
    bool visible = true;
};

struct CommandState {
    // Menu "Spiel".
    CommandEntry Start1;
    CommandEntry Optionen1;
    CommandEntry SpielEnde1;
    CommandEntry Pause;
    CommandEntry Turnierspielstarten1;
    CommandEntry Turnierspielstoppen1;
    // Menu "Spielfunktionen" and its buttons.
    CommandEntry Systemspiel1;
    CommandEntry Ladefile1;
    CommandEntry StatRcksetzung1;
    CommandEntry Replay1;
    CommandEntry BU_Replay;
    CommandEntry Superkurzspiel;
    CommandEntry BU_Superkurzspiel;
    // Menu "Analyse": "Datei laden ..." is ticked while analysis data is loaded; the other three
    // wait for a successful load.
    CommandEntry LadeADatei;
    CommandEntry Dateiaddieren;
    CommandEntry APermanenz1;
    CommandEntry AStatistik1;
    // The menus Statistik, Analyse, Files, Permanenz and Spielfunktionen as a whole: held while
    // the wins are counted out.
    bool menus = true;
    // The bet buttons.
    CommandEntry BU_ClearJetons;
    CommandEntry BU_LastBet;
    bool lastBetHint = false;                          // `BU_LastBet` shows LastBetHint
    std::array<bool, ExtendedBetCount> extendedBets{}; // the buttons in tag order 1-8
    // The labels shown while Replay, the super-short game or a tournament runs.
    bool ReplayAktivText = false;
    bool SuperkurzAktivtext = false;
    bool Matrix_Status = false;
};

CommandState commandState(const GameState& state);

// "Quendra", or "Quendra (Pause)" / "Quendra (Break)" while the game is paused.
std::string windowCaption(const GameState& state);

// The captions of the game commands.
inline constexpr BilingualText StartCaption{"Start", "Start"};
inline constexpr BilingualText OptionsCaption{"Optionen", "Options"};
inline constexpr BilingualText EndGameCaption{"Spiel Ende", "Stop Game"};
inline constexpr BilingualText PauseCaption{"Pause", "Break"};
inline constexpr BilingualText TournamentStartCaption{"Turnierspiel starten",
                                                      "Tournamentgame start"};
inline constexpr BilingualText TournamentStopCaption{"Turnierspiel stoppen", "Tournamentgame stop"};
inline constexpr BilingualText QuitCaption{"Beenden", "Stop"};
inline constexpr BilingualText SystemGameCaption{"Systemspiel", "Systemgame"};
inline constexpr BilingualText LoadFileCaption{"Ladefile", "Loadfile"};
inline constexpr BilingualText StatisticsResetCaption{"StatRücksetzung", "Reset of statistics"};
inline constexpr BilingualText ReplayCaption{"Replay", "Replay"};
inline constexpr BilingualText SuperShortCaption{"Superkurzspiel", "Supershortgame"};
inline constexpr BilingualText MinimiseCaption{"Hotminimized", "Hotminimized"};
inline constexpr BilingualText HelpCaption{"Hilfe Inhalt", "Help content"};

} // namespace quendra
