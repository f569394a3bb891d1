// The game commands of the main window as operations on the game.
#include "game/GameCommands.h"

#include "bets/ClearBoard.h"
#include "bets/Payout.h"
#include "bets/Placement.h"
#include "game/CommandState.h"
#include "game/PlayerPanel.h"
#include "game/StartUp.h"
#include "spin/CoupRecords.h"
#include "spin/NumberRequest.h"
#include "tournament/Tournament.h"

#include <algorithm>

namespace quendra {
namespace {

constexpr int LowestDelay = 1;
constexpr int HighestDelay = 100;

Language languageOf(const GameState& state) {
    return languageFromIndex(state.settings.Language);
}

bool gameRunning(const GameState& state) {
    return state.phase != TextKind::gkSpielstart;
}

void announce(Game& game) {
    game.host().changed(Change::Phase | Change::Commands | Change::Bars);
}

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

// The manual time bar: the game waits for the user's throw with an empty bar.
void waitForManualThrow(GameState& state) {
    state.phase = TextKind::gkMakeMan;
    state.GameTimerOn = false;
    state.TimeBarTick = 0;
}

// Pause as the user's own: a dialog's pause then does not end it.
void pauseAsUser(Game& game) {
    EnterPause(game);
    game.state().UserPause = true;
    game.host().changed(Change::Commands);
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

std::chrono::sys_days dayOf(std::chrono::system_clock::time_point now) {
    return std::chrono::floor<std::chrono::days>(now);
}

} // namespace

bool StartGame(Game& game) {
    GameState& state = game.state();
    if (gameRunning(state)) {
        return false;
    }
    if (state.settings.ManualTimeBar) {
        state.phase = TextKind::gkMakeMan;
        state.GameTimerOn = false;
    } else {
        state.phase = TextKind::gkMakeBet;
        state.GameTimerOn = true;
    }
    announce(game);
    return true;
}

void EnterPause(Game& game) {
    GameState& state = game.state();
    if (state.phase == TextKind::gkSpielstart || state.phase == TextKind::gkMakeMan) {
        return;
    }
    SuperShortGameOff(game);
    state.GameTimerOn = false;
    state.phase = TextKind::gkPause;
    announce(game);
}

void LeavePause(Game& game) {
    GameState& state = game.state();
    if (state.phase != TextKind::gkPause || state.UserPause) {
        return;
    }
    if (state.settings.ManualTimeBar) {
        waitForManualThrow(state);
    } else {
        state.GameTimerOn = true;
        state.phase = TextKind::gkMakeBet;
    }
    announce(game);
}

void PauseClick(Game& game) {
    GameState& state = game.state();
    if (!commandState(state).Pause.enabled) {
        return;
    }
    if (state.phase == TextKind::gkPause) {
        state.UserPause = false;
        LeavePause(game);
        game.host().changed(Change::Commands);
    } else {
        pauseAsUser(game);
    }
}

void SwitchToManualTimeBar(Game& game) {
    GameState& state = game.state();
    state.settings.ManualTimeBar = true;
    if (gameRunning(state)) {
        waitForManualThrow(state);
        announce(game);
    }
}

void SwitchToAutomaticTimeBar(Game& game) {
    GameState& state = game.state();
    state.settings.ManualTimeBar = false;
    if (gameRunning(state)) {
        state.phase = TextKind::gkMakeBet;
        state.GameTimerOn = true;
        state.TimeBarTick = 0;
        announce(game);
    }
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

void SuperShortClick(Game& game) {
    GameState& state = game.state();
    if (!commandState(state).Superkurzspiel.enabled || state.phase == TextKind::gkPause) {
        return;
    }
    if (state.superShortRunning()) {
        SuperShortGameOff(game);
        return;
    }
    const NumberRequest request =
        numberRequestFor(NumberRequestPurpose::SuperShortGame, state.table.type());
    std::optional<int> coups;
    {
        DialogPause pause(game);
        coups = game.host().requestNumber(request, languageOf(state));
    }
    if (coups && *coups >= request.lowest && *coups <= request.highest) {
        SuperShortGameOn(game, *coups);
    }
}

void SuperShortGameOn(Game& game, int target) {
    GameState& state = game.state();
    if (state.superShortRunning() || !gameRunning(state)) {
        return;
    }
    state.SuperShortTarget = std::clamp(target, 0, SuperShortGameMaximum);
    state.SuperShortCount = 0;
    state.SuperShortSavedLimit = state.TimeBarLimit;
    state.TimeBarLimit = 0;
    state.TimeBarTick = 0;
    state.SuperShortManualWasOn = state.settings.ManualTimeBar;
    state.settings.ManualTimeBar = false;
    state.GameTimerOn = true;
    state.phase = TextKind::gkKurzspiel;
    announce(game);
}

void SuperShortGameOff(Game& game) {
    GameState& state = game.state();
    if (!state.superShortRunning()) {
        return;
    }
    EndPayoutDisplay(game);
    RefreshPlayerPanel(game);
    state.TimeBarLimit = state.SuperShortSavedLimit;
    state.TimeBarTick = 0;
    if (state.SuperShortManualWasOn) {
        state.settings.ManualTimeBar = true;
        state.SuperShortManualWasOn = false;
        state.GameTimerOn = false;
        state.phase = TextKind::gkMakeMan;
    } else {
        state.phase = TextKind::gkMakeBet;
    }
    announce(game);
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
    if (!game.askQuestion(statisticsResetQuestion(languageOf(state)))) {
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

bool TournamentStartClick(Game& game) {
    GameState& state = game.state();
    const CommandEntry entry = commandState(state).Turnierspielstarten1;
    if (!entry.enabled || !entry.visible) {
        return false;
    }
    DialogPause pause(game);
    if (!game.host().confirmTournamentStart()) {
        return false;
    }
    const bool manualWasOn = startTournament(state);
    for (int p = 1; p <= PlayerSlots; ++p) {
        ClearBoard(game, p, ClearMode::Hide);
    }
    if (manualWasOn) {
        SwitchToAutomaticTimeBar(game);
    }
    ResetCapitals(game, CapitalReset::Initial);
    RefreshPlayerPanel(game);
    game.host().changed(Change::Tournament | Change::Commands);
    return true;
}

void TournamentStopClick(Game& game) {
    if (commandState(game.state()).Turnierspielstoppen1.enabled) {
        EndTournament(game);
    }
}

void EndTournament(Game& game) {
    stopTournament(game.state());
    SuperShortGameOff(game);
    game.state().ReplayOn = false;
    game.host().changed(Change::Tournament | Change::Commands);
}

bool tournamentPeriod(std::chrono::system_clock::time_point now) {
    using namespace std::chrono;
    const sys_days day = dayOf(now);
    return day >= sys_days{2003y / October / 9} && day < sys_days{2003y / November / 11};
}

std::filesystem::path helpFile(const GameState& state) {
    return state.ProgramFolder /
           (languageOf(state) == Language::German ? "quendraD.chm" : "quendraE.chm");
}

bool HelpClick(Game& game) {
    DialogPause pause(game);
    if (game.host().openWithSystem(helpFile(game.state()))) {
        return true;
    }
    MessageBoxData box;
    box.kind = MessageKind::Info;
    box.title = "Quendra";
    box.icon = MessageIcon::None;
    box.text = HelpFileMissing[languageOf(game.state())];
    game.host().showMessage(box);
    return false;
}

} // namespace quendra
