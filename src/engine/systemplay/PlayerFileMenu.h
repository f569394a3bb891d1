// The Files menu's entries for each player's files: "Systemspieldatei" opens player n's system
// file (`EditSP1` ... `EditSP4`), "Ausgabedatei" browses his protocol file. A system player is
// never the selected player, so his files are reached by his number.
#pragma once

#include "game/GameState.h"
#include "text/Language.h"

#include <array>
#include <string>
#include <string_view>

namespace quendra {

struct PlayerFileMenuEntry {
    std::string_view parent; // the Files menu's entry the submenu hangs below
    std::string_view objectName;
    int player = 1;
    bool protocol = false;
};

inline constexpr std::array PlayerFileMenuEntries{
    PlayerFileMenuEntry{"Systemspieldatei1", "EditSP1", 1, false},
    PlayerFileMenuEntry{"Systemspieldatei1", "EditSP2", 2, false},
    PlayerFileMenuEntry{"Systemspieldatei1", "EditSP3", 3, false},
    PlayerFileMenuEntry{"Systemspieldatei1", "EditSP4", 4, false},
    PlayerFileMenuEntry{"Ausgabedatei1", "AusgabeSP1", 1, true},
    PlayerFileMenuEntry{"Ausgabedatei1", "AusgabeSP2", 2, true},
    PlayerFileMenuEntry{"Ausgabedatei1", "AusgabeSP3", 3, true},
    PlayerFileMenuEntry{"Ausgabedatei1", "AusgabeSP4", 4, true},
};

// "Spieler 1: DOUBLING.SYF", or "Spieler 1" while he has no such file.
std::string playerFileCaption(const GameState& state, const PlayerFileMenuEntry& entry);
// The player takes part and has the file.
bool playerFileEntryEnabled(const GameState& state, const PlayerFileMenuEntry& entry);

} // namespace quendra
