// The game commands of the main window: Start, the options' confirmation, Spiel Ende, Replay,
// the statistics reset, the delay keys and the help.
#include "game/GameCommands.h"

#include "bets/ClearBoard.h"
#include "bets/Payout.h"
#include "bets/Placement.h"
#include "game/CommandState.h"
#include "game/PauseProtocol.h"
#include "game/PlayerPanel.h"
#include "game/StartUp.h"
#include "spin/CoupRecords.h"

#include <algorithm>

namespace quendra {
namespace {

constexpr int LowestDelay = 1;
constexpr int HighestDelay = 100;

// While the super-short game runs its time bar has no length; the length it returns to is
// changed instead.
void setTimeBarLimit(GameState& state, std::int32_t limit) {
    if (state.superShortRunning()) {
        state.SuperShortSavedLimit = limit;
    } else {
        state.TimeBarLimit = limit;
    }
}

void applyDelay(GameState& state, int storedDelay) {
    state.TimeBarDelayInUse = timeBarDelayInUse(storedDelay);
    setTimeBarLimit(state, timeBarLimit(storedDelay));
}

// Spiel Ende, steps 2 and 3: the game stops, the strip empties, the load file and system play
// are switched off and the statistics of the game are reset.
void stopTheGame(Game& game) {
    GameState& state = game.state();
    state.GameTimerOn = false;
    state.TimeBarTick = 0;
    state.phase = TextKind::gkSpielstart;
    state.LastSixteen.fill(EmptySlot);
    state.stripBlink = {};
    game.hooks().untickMainLoadFile(game);
    for (Player& player : state.players) {
        player.sys.SystemActive = false;
    }
    Stat_EndGame(state.statistics);
    game.host().changed(Change::Phase | Change::Permanence | Change::Commands);
}

// Spiel Ende, step 5: every player's stakes go back, his statistics and hidden bets are gone.
void clearEveryPlayer(Game& game) {
    GameState& state = game.state();
    for (int p = 1; p <= PlayerSlots; ++p) {
        state.CurrentPlayer = p;
        ClearChips(game);
        Player& player = state.player(p);
        ClearPlayerStatistics(player);
        if (player.BetsHidden) {
            ClearBoard(game, p, ClearMode::Clear);
        }
    }
}

} // namespace

bool StartGame(Game& game) {
    GameState& state = game.state();
    if (state.gameRunning()) {
        return false;
    }
    if (state.settings.ManualTimeBar) {
        state.phase = TextKind::gkMakeMan;
        state.GameTimerOn = false;
    } else {
        state.phase = TextKind::gkMakeBet;
        state.GameTimerOn = true;
    }
    game.host().changed(Change::Phase | Change::Commands | Change::Bars);
    return true;
}

bool ConfirmOptions(Game& game, const Settings& edited) {
    GameState& state = game.state();
    const bool manualBefore = state.settings.ManualTimeBar;
    state.settings = edited;
    state.settings.ManualTimeBar = manualBefore; // switched below, with the phase
    bool loaded = true;
    if (edited.FrenchTable != state.table.FrenchTable) {
        loaded = loadGameTable(game, edited.FrenchTable ? TableType::French : TableType::American);
    }
    applyDelay(state, edited.TimeBarDelay);
    ResetCapitals(game, CapitalReset::Ask);
    RefreshPlayerPanel(game);
    if (edited.ManualTimeBar != manualBefore) {
        if (edited.ManualTimeBar) {
            SwitchToManualTimeBar(game);
        } else {
            SwitchToAutomaticTimeBar(game);
        }
    }
    game.host().changed(Change::Permanence | Change::InfoPanel | Change::Phase);
    return loaded;
}

bool EndGame(Game& game, SettingsStore& store) {
    GameState& state = game.state();
    if (!commandState(state).SpielEnde1.enabled) {
        return false;
    }
    DialogPause pause(game);
    if (!game.askQuestion(3)) {
        return false;
    }
    // 1. As at the end of the program.
    state.UserPause = false;
    LeavePause(game);
    saveGameSettings(state, store);
    game.hooks().closeGameFiles(game);
    // 2. and 3.
    stopTheGame(game);
    // 4. Fresh player objects, the settings read again.
    for (Player& player : state.players) {
        player.sys = SysSpieler{};
    }
    state.SpielerStatPos = 0;
    readGameSettings(game, store);
    // 5.
    clearEveryPlayer(game);
    // 6.
    state.CurrentPlayer = 1;
    ResetCapitals(game, CapitalReset::Initial);
    RefreshPlayerPanel(game);
    state.TimeBarColour = BarColour::White;
    state.SpielerStatPos = 0;
    state.InfoPanelPlayer = 1;
    game.hooks().reopenYearFile(game);
    state.statistics.YearCups = 0;
    // 7.
    state.ReplayOn = false;
    state.statistics.PermanenzPos = 1;
    state.bets.WinIndicator = WinIndicatorRest;
    game.host().changed(Change::InfoPanel | Change::WinIndicator | Change::Commands | Change::Bars |
                        Change::Chips);
    return true;
}

bool ReplayClick(Game& game) {
    GameState& state = game.state();
    if (!commandState(state).Replay1.enabled || state.phase == TextKind::gkPause) {
        return false;
    }
    if (state.ReplayOn) {
        state.ReplayOn = false;
    } else {
        state.ReplayOn = true;
        for (int p = 1; p <= state.playersInPlay(); ++p) {
            if (state.player(p).BetsHidden) {
                ClearBoard(game, p, ClearMode::Clear);
            }
        }
        RefreshPlayerPanel(game);
    }
    game.host().changed(Change::Commands);
    return true;
}

MessageBoxData statisticsResetQuestion(Language language) {
    MessageBoxData box;
    box.kind = MessageKind::Question;
    box.icon = MessageIcon::Exclamation;
    box.buttons = MessageButtons::YesNo;
    box.defaultNo = true;
    if (language == Language::German) {
        box.title = "Warnung";
        box.text = "Sollen die Statistikdaten wirklich komplett zurückgesetzt werden?";
    } else {
        box.title = "Warning";
        box.text = "Should the statistics data really a reset?";
    }
    return box;
}

bool StatisticsResetClick(Game& game) {
    GameState& state = game.state();
    if (!commandState(state).StatRcksetzung1.enabled) {
        return false;
    }
    DialogPause pause(game);
    if (!game.askQuestion(statisticsResetQuestion(state.language()))) {
        return false;
    }
    Stat_Reset(state.statistics);
    for (Player& player : state.players) {
        lastStakeOf(player) = 0;
        player.sys.Counters[2] = 0; // what system play stores after the last stake
        coupsWonOf(player) = 0;
        coupsLostOf(player) = 0;
        ClearPlayerStatistics(player);
    }
    state.SpielerStatPos = 0;
    game.host().changed(Change::InfoPanel);
    return true;
}

bool ChangeDelay(Game& game, int step) {
    GameState& state = game.state();
    if (state.settings.ManualTimeBar) {
        return false;
    }
    const int delay =
        std::clamp(state.TimeBarDelayInUse + std::clamp(step, -HighestDelay, HighestDelay),
                   LowestDelay, HighestDelay);
    state.settings.TimeBarDelay = delay;
    applyDelay(state, delay);
    game.host().changed(Change::Phase);
    return true;
}

} // namespace quendra
