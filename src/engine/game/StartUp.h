// Start-up of the game as far as the engine goes: the program folder, a fresh game state, the
// settings read for the game and the table loaded.
#pragma once

#include "game/Game.h"
#include "settings/SettingsStore.h"

#include <filesystem>
#include <string_view>

namespace quendra {

// Creates SYSTEM/, SYSOUT/ and SYSIN/ below the program folder when they are missing; false
// when one of them cannot be created.
bool ensureWorkFolders(const std::filesystem::path& programFolder);

// A fresh game state before any window opens: four fresh player objects, the empty
// last-sixteen strip, the default settings with the file names cleared, both selections on
// player 1 and the program folder.
void initialiseGameState(GameState& state, const std::filesystem::path& programFolder);

// Reads the settings into the game: the record itself, then the players' start capitals and the
// players' system and protocol files, each dropped when it can no longer be used.
void readGameSettings(Game& game, const SettingsStore& store);

// Loads the table of the given type into the game; on a missing or damaged wheel data file
// shows error 7 with the control file's name and returns false.
bool loadGameTable(Game& game, TableType table);

// The colour-depth check runs once: while "DisplayCol" is not set and the screen shows fewer
// than 16 bits per pixel, the user is asked whether to start anyway.
bool colourDepthQuestionNeeded(bool displayCol, int bitsPerPixel);
// The box "Info" (Yes/No) that says how many colours the screen shows: "16 " for 4 bits per
// pixel, "256 " for 8 (other depths name 2 to the power of the depth).
MessageBoxData colourDepthQuestion(int bitsPerPixel, Language language);

// The start-up when the main window is first shown: the game stopped in `gkSpielstart`, the
// settings read, the table loaded, the time bar's length from the delay, the year statistics
// file opened when they are on (switched off when it cannot be), the players' capitals
// and boards reset, no number picked by hand. False when the table could not be loaded (error 7
// has been shown): the program then ends.
bool startGameWindow(Game& game, const SettingsStore& store);

// The end of the program as far as the settings go: the players' file names are copied into the
// record, then the record is written to the store.
void saveGameSettings(GameState& state, SettingsStore& store);

} // namespace quendra
