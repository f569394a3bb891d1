// The text kinds of the status bars (the time bar's kind is the game phase) and their texts.
#pragma once

#include "text/Language.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quendra {

enum class TextKind : std::uint8_t {
    gkSpielstart = 0,
    gkMakeBet = 1,
    gkSpielende = 2,
    gkPause = 3,
    gkAktiv = 4,
    gkSystem = 5,
    gkROT = 6,
    gkSchwarz = 7,
    gkFreeValue = 8, // shows the bar's number instead of a fixed text
    gkNone = 9,      // shows no text
    gkKurzspiel = 10,
    gkMakeMan = 11,
    gkStatus = 12,
    gkGuthaben = 13,
    gkGewonnen = 14,
    gkGesetzt = 15,
    gkCup = 16,
    gkSpieler1 = 17,
    gkSpieler2 = 18,
    gkSpieler3 = 19,
    gkSpieler4 = 20,
    gkStartKap = 21,
    gkZuletzt = 22,
    gkGewinn = 23,
    gkVerlust = 24,
    gkCupsGW = 25,
    gkCupsVer = 26,
};
inline constexpr int TextKindCount = 27;

// Indexed by text kind × 2 + language index. The English "Make of bet is over! " keeps its
// trailing blank: the bar centres the text as it stands.
inline constexpr std::array<std::string_view, TextKindCount * 2> TextKindTexts{
    "Starten Sie Ihr Spiel!",
    "Start the game!",
    "Machen Sie Ihr Spiel!",
    "Make your bet!",
    "Nichts geht mehr!",
    "Make of bet is over! ",
    "Pause!",
    "Break!",
    "Aktiv",
    "Aktiv",
    "System",
    "System",
    "R",
    "R",
    "S",
    "S",
    "",
    "",
    "",
    "",
    "Superkurzspiel aktiv!",
    "Supershortgame aktiv",
    "Machen Sie Ihr Spiel (manuell)!",
    "Make your bet (manual)!",
    "Status",
    "Status",
    "Guthaben",
    "Asset",
    "Gewonnen",
    "Win",
    "Gesetzt",
    "Set",
    "Cup",
    "Cup",
    "Spieler 1",
    "Player 1",
    "Spieler 2",
    "Player 2",
    "Spieler 3",
    "Player 3",
    "Spieler 4",
    "Player 4",
    "Startkapital",
    "Startasset",
    "Zuletzt gesetzt",
    "Last bet",
    "Gewinn bisher",
    "Profit so far",
    "Verlust bisher",
    "Loss so far",
    "Cups mit Gew",
    "Cups with Pro",
    "Cups mit Ver",
    "Cups with Los",
};

// The fixed text of the kind; empty for gkFreeValue, gkNone and a value outside the kinds.
std::string_view textKindText(TextKind kind, Language language);

// What a bar writes: the fixed text, or for gkFreeValue the free value in decimal.
std::string barText(TextKind kind, Language language, int freeValue);

} // namespace quendra
