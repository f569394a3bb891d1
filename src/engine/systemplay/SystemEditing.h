// A player's system file opened in the system editor from the main window (`EditSP1` …
// `EditSP4`): the players using the file are suspended for the editing, and a file changed in
// the editor restarts every active player that uses it.
#pragma once

#include "game/Game.h"

#include <string>

namespace quendra {

// "Um die Systemspieldatei 2 zu editieren muß es deaktiviert werden!" + CR + "Soll die
// Systemspieldatei 2 jetzt deaktiviert werden ?", Yes/No, caption "Systemanfrage".
MessageBoxData suspendForEditingQuestion(int player, Language language);

// With the game paused: every active player using the player's system file is asked to be
// suspended (Yes: inactive while the editor is open; No: the file opens read-only), then the
// editor opens on the file. Afterwards the suspended players are active again, and when the
// file's modification time changed meanwhile every active player using it gets warning 16 and
// starts his system afresh at his next run.
void EditPlayerSystemFile(Game& game, int player);

// The restart of every active player using `file` after it changed, with warning 16 each.
void RestartPlayersOfChangedFile(Game& game, const std::string& file);

} // namespace quendra
