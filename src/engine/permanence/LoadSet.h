// Opening and closing the load-file set: the main load file and the collect load file, the
// ticks that make them active, and the load-file status line.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace quendra {

class Game;
struct GameState;

// Opens the file named by `MainLoadFile` at its beginning, with the reader's line state
// cleared and any attack plan forgotten. A missing or unreadable file shows error 8 with its
// name, an empty name warning 6; the caller then clears the name.
bool openMainLoadFile(Game& game);
void closeMainLoadFile(GameState& state);
// System play's skip: the rest of the main file is passed over unread (its comment lines too),
// so that the coup reader goes on to the next follow file, and the system coups of all four
// players are 0.
void skipRestOfMainLoadFile(Game& game);
// Puts the open main file back to its beginning. False when that fails: the file is then
// closed.
bool rewindMainLoadFile(Game& game);

// `HaLaAktiv` ticked: the day-separator count cleared and the main file opened; on success the
// status line shows it, `FollowActive` follows follow slot 1, the end of a former load is
// forgotten and a pause requested by an earlier untick is withdrawn. On failure the name is
// cleared and the box stays unticked.
bool activateMainLoadFile(Game& game);
// `HaLaAktiv` unticked: the main file closed, the status line hidden, a pause requested under
// `PauseAtLoadEnd`, the start options disabled with normal start selected and the lamps red.
void deactivateMainLoadFile(Game& game);

// Opens `CollectLoadFile`; error 8 with the collect file's name when that fails (no name
// included), and the name is cleared.
bool openCollectLoadFile(Game& game);
// `SaLaAktiv1` unticked: the collect file closed and no longer refilling.
void deactivateCollectLoadFile(Game& game);

// The status line `Matrix_Status`: "Ladedatei: " and the main file's name, followed by " (",
// the start coup and ")" when one is given.
void showLoadStatus(Game& game, std::optional<std::int64_t> startCoup = std::nullopt);

// A player plays a system.
bool anySystemPlayer(const GameState& state);

// A name typed without a folder is taken from SYSIN below the program folder.
std::filesystem::path typedLoadFileName(const GameState& state, std::string_view name);
// SYSIN below the program folder: where the file dialogs of the load files open.
std::filesystem::path loadFileFolder(const GameState& state);

} // namespace quendra
