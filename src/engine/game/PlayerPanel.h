// The player panel and the info panel: which player is selected, what the players' bars and
// the info panel show, and the reset of the capitals.
#pragma once

#include "game/Game.h"

#include <array>
#include <cstdint>
#include <optional>

namespace quendra {

// A click on the player's shape or label (`ShSp`n, `LaSp`n), for players up to `PlayerCount`:
// the info panel shows him, and he becomes `CurrentPlayer` unless he plays a system.
void SelectPlayer(Game& game, int player);

// The player panel refresh: the slots above `PlayerCount` lose their system play, and the
// selection moves to a player who takes part and plays no system (the first such player, 0
// when every participant plays one). Lowering `PlayerCount` below the selected player selects
// the last one taking part and keeps the old one as `PreviousPlayer`.
void RefreshPlayerPanel(Game& game);

enum class CapitalReset : std::uint8_t {
    // Start of a tournament, end of a game: every participant gets `InitialCapital`.
    Initial = 1,
    // After the options dialog: a participant whose capital differs from `InitialCapital` is
    // asked whether to take it over; Yes sets his capital and start capital, No keeps both.
    Ask = 2,
};

// Resets the capitals of the players taking part and their stakes to 0.
void ResetCapitals(Game& game, CapitalReset mode);

// "Soll neuer Guthaben stand wirklich für Spieler 2 übernommen werden?", box "Systemanfrage".
MessageBoxData capitalQuestion(int player, Language language);

// What one player's three bars show.
struct PlayerBars {
    bool locked = false; // a slot above `PlayerCount`: `Status`n crossed out
    TextKind statusKind = TextKind::gkNone;
    BarColour statusColour = BarColour::Window;
    std::int32_t statusValue = 0; // shown with gkFreeValue: the win still to be counted out
    // `Guthaben`n and `Gesetzt`n; nullopt where the bar is blank.
    std::optional<std::int32_t> capital;
    std::optional<std::int32_t> stake;
};

struct PlayerPanelView {
    std::array<PlayerBars, PlayerSlots> players;
    TextKind Text_Ba_Stat = TextKind::gkStatus; // gkGewonnen while the wins are shown
};

// The selected player's status bar is red with "Aktiv", a system player's olive with "System",
// the others neutral. After a coup, until the bars go neutral again, they show each player's
// win.
PlayerPanelView playerPanel(const GameState& state);

// What the info panel `B_T_Spieler_Info` shows for the player of `InfoPanelPlayer`.
struct InfoPanelView {
    int player = 1;
    TextKind title = TextKind::gkSpieler1;    // `B_T_Spieler_Info`
    int coups = 0;                            // `B_Cups`: coups the statistics counted
    std::int32_t startCapital = 0;            // `B_Startkapital`
    std::int32_t lastStake = 0;               // `B_Zu_Gesetzt`
    std::int64_t profit = 0;                  // `B_Gewinn_Bisher`: capital − start capital
    TextKind profitKind = TextKind::gkGewinn; // `B_T_Gewinn`: gkVerlust when negative
    std::int32_t coupsWon = 0;                // `B_Cups_mGW`
    std::int32_t coupsLost = 0;               // `B_Cups_mVE`
};

InfoPanelView infoPanel(const GameState& state);

} // namespace quendra
