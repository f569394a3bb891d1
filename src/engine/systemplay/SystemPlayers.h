// The system players and the system-play menu `TSystemspielmenu`: assigning system files and
// protocol files, the resets, the activation with its OK, and the system-set timer that places
// the first bets of the players it activated. Every handler is an engine operation on the menu's
// data, so the app, the CLI and the tests drive the same rules.
#pragma once

#include "game/Game.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

namespace quendra {

// "none": what an edit shows without a file.
inline constexpr std::string_view NoFileText = "none";

// A fresh `TSysSpieler` in place of the player's: every field empty, false or zero, and
// `SpielerStatPos` 0. The player's protocol file is closed.
void FreshSysSpieler(Game& game, int player);

// Assigns the system file (a full name) to the player. A missing file gives error 1 and the
// player a fresh object. Otherwise the file is his and his system is active; when another active
// player already uses it, its time is recorded as it stands, else it passes the pre-check (with
// its error and a fresh object on failure). Returns whether the player has the file.
bool AssignSystemFile(Game& game, int player, const std::string& file);

// Assigns the protocol file (".OUT" appended without an extension) and switches the protocol
// on: the file is opened for appending (errors 18 and 4 clear the assignment) and the header
// written. Returns whether the protocol is on.
bool AssignProtocolFile(Game& game, int player, const std::string& file);

// A name typed into an edit: without a folder it is taken from "SYSTEM" (or "SYSOUT") below the
// program folder, without an extension ".SYF" (or ".OUT") is appended.
std::string typedSystemFileName(const GameState& state, std::string_view typed);
std::string typedProtocolFileName(const GameState& state, std::string_view typed);
// The folders the file dialog opens in: "SYSTEM" and "SYSOUT" below the program folder.
std::filesystem::path systemFileFolder(const GameState& state);
std::filesystem::path protocolFileFolder(const GameState& state);

// What an edit shows for a full name: the name without its folder, or "none".
std::string fileEditText(std::string_view fullName);

// One player's group of the menu.
struct SystemMenuGroup {
    bool enabled = false; // the player takes part (up to `PlayerCount`)
    std::string systemEdit{NoFileText};
    bool systemBox = false;
    std::string protocolEdit{NoFileText};
    bool protocolBox = false;
    // Noted when the menu opened: the player's system was active.
    bool activeAtOpen = false;
    // A system file was chosen for the player while the menu was open.
    bool newFileChosen = false;
};

struct SystemPlayMenu {
    std::array<SystemMenuGroup, 4> groups; // group i is player i + 1
    bool open = false;

    SystemMenuGroup& group(int player) { return groups.at(static_cast<std::size_t>(player - 1)); }
};

// Opening the menu (F5): the game pauses; the groups show the players' files and flags; which
// systems are active is noted, and the others' `StartDone` cleared.
SystemPlayMenu OpenSystemPlayMenu(Game& game);

// Whether a protocol file may be chosen for the player: only while his system is active, else
// warning 1. The file dialog asks before it opens.
bool ProtocolChoiceAllowed(Game& game, int player);
// A file chosen in the file dialog (`FileEingabeDblClick`). A protocol file only while the
// player's system is active (warning 1 otherwise); it first closes his open protocol.
void SystemFileChosen(Game& game, SystemPlayMenu& menu, int player, const std::string& file);
void ProtocolFileChosen(Game& game, SystemPlayMenu& menu, int player, const std::string& file);
// Enter in an edit (`SpSysOutKeyPress`): the typed name is assigned. An empty system name does
// nothing; an empty protocol name or "none" gives error 5, a protocol for a player whose system
// is not active warning 1.
void SystemFileEntered(Game& game, SystemPlayMenu& menu, int player, std::string_view typed);
void ProtocolFileEntered(Game& game, SystemPlayMenu& menu, int player, std::string_view typed);
// Any other key in an edit drops that assignment: the system edit gives the player a fresh
// object; the protocol edit clears the protocol and closes its file, or, while the player's
// system is not active, is refused with warning 1. Returns whether the key goes into the edit.
void SystemEditKey(Game& game, SystemPlayMenu& menu, int player);
bool ProtocolEditKey(Game& game, SystemPlayMenu& menu, int player);

// The "Reset" buttons and "Full Reset" (asked first).
void SpSysResetClick(Game& game, SystemPlayMenu& menu, int player);
void SpOutResetClick(Game& game, SystemPlayMenu& menu, int player);
void SystemfileFullResetClick(Game& game, SystemPlayMenu& menu);
// The check boxes. Unticking the system box switches an active protocol off.
void SystemBoxClicked(Game& game, SystemPlayMenu& menu, int player, bool ticked);
void ProtocolBoxClicked(SystemPlayMenu& menu, int player, bool ticked);

// "OK": players ticked now but not active at the opening, or with a newly chosen file, get a
// fresh start and are flagged for the system-set timer, which is started; then the boxes are
// applied (warnings 3 and 4 for boxes that cannot be), the status bars redrawn and the menu
// closed.
void SystemfilemenuOKClick(Game& game, SystemPlayMenu& menu);
// Closing the menu (after OK, or Esc): random attacks become the normal start while a system
// plays, the player panel is refreshed and the game resumes.
void CloseSystemPlayMenu(Game& game, SystemPlayMenu& menu);

// `Systemsetz_Timer` fires (once): every flagged player whose system is active plays his turn,
// so that his first bets stand before the next spin; the player panel is refreshed.
void SystemSetTimerTick(Game& game);

} // namespace quendra
