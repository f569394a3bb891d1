// The rules of the load menu `TLademenu`: choosing the main, follow and collect load files,
// ticking them active, the resets, the list of known load files and OK. The window only shows
// the state these rules leave and passes the user's input in.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quendra {

class Game;
struct GameState;

// How a file name reached the menu: picked in the file dialog (a full name) or typed into the
// field and taken with Enter (a name without folder lies in SYSIN).
enum class FileChoice : std::uint8_t { Dialog, Typed };

// `Get_Info_CUP_SAF`: rebuilds `LoadFileInfo` — with the collect file active every existing
// file it names, otherwise the main file and the filled follow slots that exist — with their
// coup counts, then `LowestCount`.
void Get_Info_CUP_SAF(Game& game);
// `Check_Low_Cup_Number`: `LowestCount` is the smallest count listed, 1 for an empty list.
void Check_Low_Cup_Number(GameState& state);

// `HaLaAktiv` ticked or unticked. Ticking opens the main file (on failure the name is cleared
// and the start options disabled); on success the options count as changed, the file list and
// the main file's count are rebuilt, the start options are enabled (random attacks only while
// no player plays a system) and get their defaults.
bool HaLaAktivClick(Game& game, bool ticked);
// `SaLaAktiv1` ticked or unticked. Ticking resets the main and follow files, opens the collect
// file and takes the load files from it: the first name becomes the main file (ticked active),
// the next names fill the empty follow slots; the box is unticked once the collect file ends.
// False when the collect file could not be opened.
bool SaLaAktiv1Click(Game& game, bool ticked);
// `HaLaReset`: forgets the main and follow files and resets the start options.
void HaLaResetClick(Game& game);
// `SaLaReset`: forgets the collect file; the start options get their defaults while the main
// file is active and are reset otherwise.
void SaLaResetClick(Game& game);

// A main load file chosen: the active main file is unticked first; an existing file becomes
// `MainLoadFile` and is ticked active, a missing one shows error 8 and leaves "none".
bool HaLafileChosen(Game& game, std::string_view name, FileChoice choice);
// A follow load file chosen for slot 1-6. From the dialog, an empty slot stands for the first
// empty slot; a typed name moves forward into the first empty slot before its own. A missing
// file shows error 9 for the slot and empties it. Returns the slot filled, 0 for none.
int FoLaFileChosen(Game& game, int slot, std::string_view name, FileChoice choice);
// A collect load file chosen: the active collect file is unticked first; an existing file is
// ticked active, a missing one shows error 11 and leaves "none".
bool SaLaFileChosen(Game& game, std::string_view name, FileChoice choice);

// Opening the menu: the start options' zero values, lamps and the state of the attack mode.
void openLoadMenu(Game& game);
// `LaFileMenuOK`: with the collect file active the empty main and follow slots are filled from
// it, the follow slots are closed up, `ShortCup` is stored, and after a change of the start
// options the active main file is positioned anew from its beginning. Then the change is
// forgotten and `PauseAtLoadEnd` takes the menu's box.
void LaFileMenuOKClick(Game& game, bool shortCup, bool pauseAtLoadEnd);

// What a file field shows: the name without folder, "none" for no file.
std::string loadFileFieldText(std::string_view fullName);

} // namespace quendra
