// Showing the messages of a system run: the one routine every error and event of a run goes
// through, the stop of the player's system it brings, and the data display of MESSAGE.
#pragma once

#include "game/Game.h"
#include "systemplay/DataDisplay.h"

#include <string>
#include <string_view>

namespace quendra {

// How a message number is shown.
enum class SystemMessageClass {
    Error,   // 0-9, 12-46, 80-88, 90-95, 100, 120, 121: the error dialog
    Abort,   // 51, 53-57: the abort information
    Reset,   // 50, 52: the reset information; the only ones that leave the system running
    Unknown, // any other number: the internal-error box
};
SystemMessageClass systemMessageClass(int number);

// Where in the system file a message was raised, for the text and for the system editor:
// `LineNumber` 0 for the events before a run.
struct SystemMessagePlace {
    int LineNumber = 0;
    std::string_view LastLine;  // the last normalised line
    std::string_view ErrorText; // the rest of the line from the offending token on
    int ErrorLength = 0;        // the token's length; 0 when no single token is to blame
};

// `MessageText` in the current language: an error runs the error prefix, the player, ":", the
// line number and the message text together ("Systemspielfile 2:14 Ungültige Sektion!"); an
// abort or reset information puts its prefix, the player and ":" on the first line and the
// message text on the next. Empty for a number the table does not hold.
std::string systemMessageText(int number, int player, int lineNumber, Language language);

// The stop of a player's system: his system no longer active, his status bar neutral, his
// protocol switched off and its file closed.
void StopSystemPlayer(Game& game, int player);

// The one routine for messages of a system run. Except for the reset informations 50 and 52 the
// player's system is stopped and a running super-short game ends. An error pauses the game and
// asks whether to open the system file; Yes opens the system editor at the error. Returns true
// when the player's system was stopped.
bool ShowSystemMessage(Game& game, int player, int number, const SystemMessagePlace& place = {});

// The data display of MESSAGE for the player, shown with the game paused.
void ShowDataDisplay(Game& game, int player, const DataDisplay& display);

} // namespace quendra
