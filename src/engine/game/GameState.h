// The shared game state: the table, the four player slots, the selection, the game flow and the
// short histories. Plain data; the operations on it live beside it in the engine folders.
#pragma once

#include "bets/BetState.h"
#include "bets/PlayerBoard.h"
#include "game/CoupHistory.h"
#include "game/SysSpieler.h"
#include "permanence/PermanenceState.h"
#include "settings/Settings.h"
#include "statistics/StatisticsStore.h"
#include "systemplay/SystemPlayState.h"
#include "systemplay/SystemState.h"
#include "table/Table.h"
#include "text/TextKind.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace quendra {

inline constexpr int PlayerSlots = 4;
inline constexpr std::uint8_t NoneMarker = 99;     // ManualSteps / ManualNumber: none picked
inline constexpr std::uint16_t EmptySlot = 100;    // LastSixteen: empty place
inline constexpr std::uint16_t DaySeparator = 101; // LastSixteen: day separator

// The background colours of the bars: the window colour of a neutral bar, the player panel's
// red and olive, and the time bar's four stages.
enum class BarColour : std::uint8_t { Window, White, Teal, Yellow, Red, Olive };

// Which labels of the permanence strip's newest row blink.
enum class StripBlinkMode : std::uint8_t { None = 0, Left = 1, Right = 2, Both = 3 };

// The blinking of the permanence strip's newest row: the toggles still to come; its labels are
// visible while an even number of them is left.
struct StripBlink {
    StripBlinkMode mode = StripBlinkMode::None;
    int ticksLeft = 0;
};

// One coup of a player's course of results.
struct PlayerCoup {
    std::int64_t stake = 0;
    std::int32_t net = 0;
    std::int32_t cumulative = 0;
};

struct Player {
    std::int32_t Capital = 0;
    std::int32_t BetSum = 0;
    std::int32_t LastBetSum = 0;
    std::int32_t StartCapital = 0;
    std::int32_t CoupWin = 0;
    std::int32_t CoupNet = 0;
    bool BetsHidden = false;
    bool ReplayRefused = false;
    PlayerBoard board;
    SysSpieler sys;     // `TSysSpieler`
    SystemState system; // what his system keeps from coup to coup
    std::int64_t TotalStaked = 0;
    std::int64_t CoupsWithStake = 0;
    std::vector<PlayerCoup> history; // at most HistoryLimit coups, index SpielerStatPos - 1
    // Kept by system play; the permanence reader sets them as its events happen.
    std::int32_t SystemCoups = 0;  // runs of the system since its last reset
    bool DaySeparatorSeen = false; // a day separator of a load file passed
    // The start section of his system has run to its end; false after activation and resets.
    bool StartDone = false;

    bool isSystemPlayer() const { return sys.SystemActive; }
};

struct GameState {
    Settings settings;
    Table table;

    std::array<Player, PlayerSlots> players;
    int CurrentPlayer = 1; // 1-4, 0 for none
    int PreviousPlayer = 1;
    // The system player whose turn runs, 0 between turns. From his run to the end of his
    // placement he is `CurrentPlayer`; a selection made meanwhile (the panel refresh after a box
    // ended the super-short game) is parked here and becomes `CurrentPlayer` when the turn ends,
    // so no box can move his bets to another player.
    int SystemTurnPlayer = 0;
    int ParkedSelection = 0;

    TextKind phase = TextKind::gkSpielstart; // the text kind of the time bar `Spielablauf`
    std::int32_t TimeBarTick = 0;
    std::int32_t TimeBarLimit = 1;
    int TimeBarDelayInUse = 50; // the stored delay, or 50 when it lies outside 0-100
    std::int32_t BallSteps = 0;
    std::uint8_t ManualSteps = NoneMarker;
    std::uint8_t ManualNumber = NoneMarker;
    std::string NumberSource;
    std::string SourceChange;
    // The `NumberSource` of the last coup whose label went into `SourceChange`.
    std::string LastSourceLabel;
    bool PauseRequest = false;
    bool ResetRequest = false; // system play: restart the system at the next coup
    bool UserPause = false;
    // Dialogs holding the pause (DialogPause); the game goes on when the last one closes.
    int DialogPauseHolders = 0;
    bool TournamentActive = false;
    std::int32_t TournamentLeft = 0; // throws still to play in the tournament
    std::int32_t SuperShortTarget = 0;
    std::int32_t SuperShortCount = 0;
    // Saved while the super-short game runs, restored when it ends.
    std::int32_t SuperShortSavedLimit = 1;
    bool SuperShortManualWasOn = false;
    // The game timer `Spieltimer` runs; the app starts and stops its timer to match.
    bool GameTimerOn = false;
    bool ReplayOn = false; // the menu entry `Replay1` is ticked
    // A batch run that ends with its load files: once they are exhausted, the coup the reader
    // would draw at random instead is not played and the game pauses without a message.
    bool EndAtLoadEnd = false;

    BetState bets; // bet list, prisons, placement flags, payout count, win indicator
    // A coup is being played (from the number draw to the system players' bets): Spiel Ende and
    // Pause are disabled meanwhile.
    bool CoupInProgress = false;
    BarColour TimeBarColour = BarColour::White;
    // The tournament's menu entries are shown: the program started within the tournament period.
    bool TournamentMenuShown = false;
    // The player the info panel shows (the tag of `B_T_Spieler_Info`), 1-4.
    int InfoPanelPlayer = 1;

    // GZ, VZ and V0-V9, fed by the spin cycle at the end of every spin, read by the systems.
    CoupHistory coupHistory;
    // `MessageSwitch`: data displays of the systems are shown only while it is on.
    bool MessageSwitch = false;

    std::array<std::uint16_t, 16> LastSixteen = filledLastSixteen();
    StripBlink stripBlink;
    std::int32_t SpielerStatPos = 0;
    StatisticsStore statistics; // counters, spin history and analysis history
    PermanenceState permanence; // load files, load menu, analysis bookkeeping, year file
    SystemPlayState systemPlay; // protocol files, checked system files, the system-set timer

    std::filesystem::path ProgramFolder;

    // Players are numbered 1 to 4.
    Player& player(int number) { return players.at(number - 1); }
    const Player& player(int number) const { return players.at(number - 1); }
    // The selected player, nullptr when none is selected.
    Player* currentPlayer() {
        return CurrentPlayer >= 1 && CurrentPlayer <= PlayerSlots ? &player(CurrentPlayer)
                                                                  : nullptr;
    }
    // The user's selection: `CurrentPlayer`, or the parked one while a system turn runs.
    int& selection() { return SystemTurnPlayer != 0 ? ParkedSelection : CurrentPlayer; }
    // The players taking part, 1 to this: `PlayerCount` kept within the player slots.
    int playersInPlay() const { return std::clamp(settings.PlayerCount, 0, PlayerSlots); }
    // A player taking part plays a system.
    bool anySystemPlayer() const {
        return std::any_of(players.begin(), players.begin() + playersInPlay(),
                           [](const Player& player) { return player.isSystemPlayer(); });
    }
    bool participates(int number) const { return number >= 1 && number <= settings.PlayerCount; }
    bool superShortRunning() const { return phase == TextKind::gkKurzspiel; }
    // A game has been started and not ended.
    bool gameRunning() const { return phase != TextKind::gkSpielstart; }
    Language language() const { return languageFromIndex(settings.Language); }
    bool betsAccepted() const {
        return phase == TextKind::gkMakeBet || phase == TextKind::gkMakeMan;
    }

private:
    static constexpr std::array<std::uint16_t, 16> filledLastSixteen() {
        std::array<std::uint16_t, 16> a{};
        a.fill(EmptySlot);
        return a;
    }
};

} // namespace quendra
