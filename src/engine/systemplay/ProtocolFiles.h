// The protocol files (".OUT") of the system players: opening, the header, one line per coup,
// the comment lines of the load files, and closing. Every line ends in CR LF and is handed to
// the file system at once, so a killed program loses nothing written before.
#pragma once

#include "game/Game.h"
#include "text/Language.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quendra {

// The header's first line: "GZ" right-aligned in 3 columns, "Gew/Ver" ("Pro/Los"), "Gesetzt"
// ("Sedate") and "Guthaben" ("Assets") each in 12, three blanks and the system file's full name.
std::string protocolHeaderLine(std::string_view systemFile, Language language);
// The header's second line.
inline constexpr std::string_view ProtocolRule = "---------------------------------------";

// One coup: the number (the double zero as 37) in 3 columns, the net result, the stake and the
// capital after the coup in 12 each (wider values take more room), three blanks and the source
// label when it changed since the last coup written (empty otherwise).
std::string protocolCoupLine(int number, std::int32_t net, std::int32_t stake, std::int32_t capital,
                             std::string_view sourceLabel);

// Opens the player's protocol file (`ProtocolFile` of his player object) for appending,
// creating it when it does not exist. Refused with error 18 when another player's protocol
// file is the same file, with error 4 when it cannot be opened or created.
bool OpenProtocolFile(Game& game, int player);
// Closes the player's protocol file when it is open.
void CloseProtocolFile(Game& game, int player);
bool ProtocolFileOpen(const Game& game, int player);
// The protocol is switched off and its file closed.
void SwitchProtocolOff(Game& game, int player);
// The header for the player's system file; `HeaderWritten` is set.
void WriteProtocolHeader(Game& game, int player);
// Appends a line to the player's open protocol file.
void WriteProtocolLine(Game& game, int player, std::string_view line);

// After the settlement of a coup: the coup's line in the protocol of every player whose system
// and protocol are both active.
void WriteCoupProtocolLines(Game& game);
// Spiel Ende and the end of the program: every protocol is switched off and its file closed.
void CloseProtocolFiles(Game& game);

} // namespace quendra
