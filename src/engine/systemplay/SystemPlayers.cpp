// The system players and the system-play menu.
#include "systemplay/SystemPlayers.h"

#include "game/PauseProtocol.h"
#include "game/PlayerPanel.h"
#include "permanence/Positioning.h"
#include "spin/SpinCycle.h"
#include "systemplay/ProtocolFiles.h"
#include "systemplay/SystemFile.h"
#include "systemplay/SystemRun.h"
#include "text/FileLine.h"

#include <filesystem>

namespace quendra {
namespace {

namespace fs = std::filesystem;

constexpr BilingualText FullResetQuestion{"Sollen wirklich alle Spieler zurückgesetzt werden?",
                                          "Really reset of all players?"};
constexpr BilingualText QuestionCaption{"Systemanfrage", "Systemquestion"};

bool existingFile(const std::string& file) {
    std::error_code error;
    return !file.empty() && fs::is_regular_file(file, error);
}

bool usedByAnotherActivePlayer(const GameState& state, int player, const std::string& file) {
    for (int other = 1; other <= PlayerSlots; ++other) {
        const SysSpieler& sys = state.player(other).sys;
        if (other != player && sys.SystemActive && sys.SystemFile == file) {
            return true;
        }
    }
    return false;
}

// The pre-check at the assignment, whatever time was recorded; its error on failure.
bool precheckAssigned(Game& game, int player, const std::string& file) {
    const SystemFileCheck check = checkSystemFile(file, 0.0);
    if (check.error != SystemFileError::None) {
        game.showError(static_cast<int>(check.error), FileSelector::FirstSystemFile + player - 1,
                       check.line);
        return false;
    }
    for (Player& other : game.state().players) {
        if (other.sys.SystemFile == file) {
            other.sys.RecordedTime = check.time;
            other.sys.TimeUpdated = true;
        }
    }
    game.state().systemPlay.files.forget(file);
    return true;
}

// A name typed without a folder is taken from `folder` below the program folder; a name without
// an extension gets `extension`.
std::string typedFileName(const GameState& state, std::string_view typed, const char* folder,
                          const char* extension) {
    std::string name(typed);
    const bool hasFolder = name.find_first_of("\\/:") != std::string::npos;
    const std::size_t nameStart = name.find_last_of("\\/:");
    const std::string_view fileName = nameStart == std::string::npos
                                          ? std::string_view(name)
                                          : std::string_view(name).substr(nameStart + 1);
    if (fileName.find('.') == std::string_view::npos) {
        name += extension;
    }
    return hasFolder ? name : (state.ProgramFolder / folder / name).string();
}

bool protocolNameRefused(std::string_view typed) {
    return typed.empty() || typed == NoFileText;
}

void showGroup(const GameState& state, SystemMenuGroup& group, int player) {
    const SysSpieler& sys = state.player(player).sys;
    group.systemEdit = fileEditText(sys.SystemFile);
    group.protocolEdit = fileEditText(sys.ProtocolFile);
    group.systemBox = sys.SystemActive;
    group.protocolBox = sys.ProtocolActive;
}

// The protocol for an assigned file, written to from here on.
bool switchProtocolOn(Game& game, int player) {
    SysSpieler& sys = game.state().player(player).sys;
    if (!ProtocolFileOpen(game, player) && !OpenProtocolFile(game, player)) {
        return false;
    }
    sys.ProtocolActive = true;
    if (!sys.HeaderWritten) {
        WriteProtocolHeader(game, player);
    }
    return true;
}

void assignChosenSystemFile(Game& game, SystemPlayMenu& menu, int player, const std::string& file) {
    SystemMenuGroup& group = menu.group(player);
    group.newFileChosen = true;
    const bool assigned = AssignSystemFile(game, player, file);
    group.systemEdit = assigned ? fileEditText(file) : std::string(NoFileText);
    group.systemBox = assigned;
    if (!assigned) {
        group.protocolEdit = NoFileText;
        group.protocolBox = false;
    }
}

void assignChosenProtocolFile(Game& game, SystemPlayMenu& menu, int player,
                              const std::string& file) {
    SystemMenuGroup& group = menu.group(player);
    const bool assigned = AssignProtocolFile(game, player, file);
    group.protocolEdit = assigned ? fileEditText(game.state().player(player).sys.ProtocolFile)
                                  : std::string(NoFileText);
    group.protocolBox = assigned;
}

// Step 3 of OK for one player: his boxes become his flags where they can.
void applyBoxes(Game& game, SystemPlayMenu& menu, int player) {
    SystemMenuGroup& group = menu.group(player);
    Player& p = game.state().player(player);
    if (group.systemBox) {
        if (!p.sys.SystemFile.empty()) {
            p.sys.SystemActive = true;
        } else {
            game.showWarning(3, player);
            group.systemBox = false;
        }
    } else {
        p.sys.SystemActive = false;
        ResetPlayerSystem(p);
    }
    if (group.protocolBox) {
        const bool possible = !p.sys.ProtocolFile.empty() && p.sys.SystemActive;
        if (!possible) {
            game.showWarning(4, player);
        }
        if (!possible || !switchProtocolOn(game, player)) {
            SwitchProtocolOff(game, player);
            group.protocolBox = false;
        }
    } else {
        SwitchProtocolOff(game, player);
    }
}

} // namespace

void FreshSysSpieler(Game& game, int player) {
    CloseProtocolFile(game, player);
    game.state().player(player).sys = SysSpieler{};
    game.state().SpielerStatPos = 0;
}

bool AssignSystemFile(Game& game, int player, const std::string& file) {
    GameState& state = game.state();
    if (!existingFile(file)) {
        FreshSysSpieler(game, player);
        game.showError(1, FileSelector::None, player);
        return false;
    }
    const bool shared = usedByAnotherActivePlayer(state, player, file);
    SysSpieler& sys = state.player(player).sys;
    sys.SystemFile = file;
    sys.SystemActive = true;
    if (shared) {
        // The other player's runs keep the file checked; it is not normalised a second time.
        sys.RecordedTime = systemFileTime(file).value_or(0.0);
        return true;
    }
    if (!precheckAssigned(game, player, file)) {
        FreshSysSpieler(game, player);
        return false;
    }
    return true;
}

bool AssignProtocolFile(Game& game, int player, const std::string& file) {
    SysSpieler& sys = game.state().player(player).sys;
    CloseProtocolFile(game, player);
    sys.ProtocolFile = file;
    if (fs::path(file).extension().empty()) {
        sys.ProtocolFile += ".OUT";
    }
    sys.HeaderWritten = false;
    sys.ProtocolActive = false;
    if (!OpenProtocolFile(game, player)) {
        sys.ProtocolFile.clear();
        return false;
    }
    sys.ProtocolActive = true;
    WriteProtocolHeader(game, player);
    // A file that takes no line (a full device) falls back to none, as one that cannot be made.
    if (!ProtocolFileOpen(game, player)) {
        sys.ProtocolFile.clear();
        return false;
    }
    return true;
}

std::string typedSystemFileName(const GameState& state, std::string_view typed) {
    return typedFileName(state, typed, "SYSTEM", ".SYF");
}

std::string typedProtocolFileName(const GameState& state, std::string_view typed) {
    return typedFileName(state, typed, "SYSOUT", ".OUT");
}

std::filesystem::path systemFileFolder(const GameState& state) {
    return state.ProgramFolder / "SYSTEM";
}

std::filesystem::path protocolFileFolder(const GameState& state) {
    return state.ProgramFolder / "SYSOUT";
}

std::string fileEditText(std::string_view fullName) {
    if (fullName.empty()) {
        return std::string(NoFileText);
    }
    const std::size_t slash = fullName.find_last_of("\\/");
    return std::string(slash == std::string_view::npos ? fullName : fullName.substr(slash + 1));
}

SystemPlayMenu OpenSystemPlayMenu(Game& game) {
    EnterPause(game);
    GameState& state = game.state();
    SystemPlayMenu menu;
    menu.open = true;
    for (int p = 1; p <= PlayerSlots; ++p) {
        SystemMenuGroup& group = menu.group(p);
        Player& player = state.player(p);
        showGroup(state, group, p);
        group.enabled = state.participates(p);
        group.activeAtOpen = player.sys.SystemActive;
        if (!player.sys.SystemActive) {
            player.StartDone = false;
        }
    }
    return menu;
}

void SystemFileChosen(Game& game, SystemPlayMenu& menu, int player, const std::string& file) {
    assignChosenSystemFile(game, menu, player, file);
}

bool ProtocolChoiceAllowed(Game& game, int player) {
    if (!game.state().player(player).sys.SystemActive) {
        game.showWarning(1);
        return false;
    }
    return true;
}

void ProtocolFileChosen(Game& game, SystemPlayMenu& menu, int player, const std::string& file) {
    if (!ProtocolChoiceAllowed(game, player)) {
        return;
    }
    SwitchProtocolOff(game, player);
    assignChosenProtocolFile(game, menu, player, file);
}

void SystemFileEntered(Game& game, SystemPlayMenu& menu, int player, std::string_view typed) {
    if (typed.empty()) {
        return;
    }
    assignChosenSystemFile(game, menu, player, typedSystemFileName(game.state(), typed));
}

void ProtocolFileEntered(Game& game, SystemPlayMenu& menu, int player, std::string_view typed) {
    if (!ProtocolChoiceAllowed(game, player)) {
        return;
    }
    if (protocolNameRefused(typed)) {
        game.showError(5);
        return;
    }
    assignChosenProtocolFile(game, menu, player, typedProtocolFileName(game.state(), typed));
}

void SystemEditKey(Game& game, SystemPlayMenu& menu, int player) {
    FreshSysSpieler(game, player);
    menu.group(player).systemBox = false;
    menu.group(player).protocolBox = false;
}

bool ProtocolEditKey(Game& game, SystemPlayMenu& menu, int player) {
    if (!ProtocolChoiceAllowed(game, player)) {
        return false;
    }
    SysSpieler& sys = game.state().player(player).sys;
    SwitchProtocolOff(game, player);
    sys.ProtocolFile.clear();
    sys.HeaderWritten = false;
    menu.group(player).protocolBox = false;
    return true;
}

void SpSysResetClick(Game& game, SystemPlayMenu& menu, int player) {
    FreshSysSpieler(game, player);
    showGroup(game.state(), menu.group(player), player);
}

void SpOutResetClick(Game& game, SystemPlayMenu& menu, int player) {
    SysSpieler& sys = game.state().player(player).sys;
    SwitchProtocolOff(game, player);
    sys.ProtocolFile.clear();
    sys.HeaderWritten = false;
    menu.group(player).protocolEdit = NoFileText;
    menu.group(player).protocolBox = false;
}

void SystemfileFullResetClick(Game& game, SystemPlayMenu& menu) {
    const Language language = game.state().language();
    MessageBoxData box;
    box.kind = MessageKind::Question;
    box.title = QuestionCaption[language];
    box.icon = MessageIcon::Question;
    box.buttons = MessageButtons::YesNo;
    box.text = FullResetQuestion[language];
    if (!game.askQuestion(box)) {
        return;
    }
    for (int p = 1; p <= PlayerSlots; ++p) {
        SpSysResetClick(game, menu, p);
    }
}

void SystemBoxClicked(Game& game, SystemPlayMenu& menu, int player, bool ticked) {
    menu.group(player).systemBox = ticked;
    if (!ticked && game.state().player(player).sys.ProtocolActive) {
        SwitchProtocolOff(game, player);
        menu.group(player).protocolBox = false;
    }
}

void ProtocolBoxClicked(SystemPlayMenu& menu, int player, bool ticked) {
    menu.group(player).protocolBox = ticked;
}

void SystemfilemenuOKClick(Game& game, SystemPlayMenu& menu) {
    GameState& state = game.state();
    SystemPlayState& play = state.systemPlay;
    for (int p = 1; p <= PlayerSlots; ++p) {
        const SystemMenuGroup& group = menu.group(p);
        if (group.systemBox && (!group.activeAtOpen || group.newFileChosen)) {
            PrepareSystemStart(state.player(p));
            play.firstRunPending[static_cast<std::size_t>(p - 1)] = true;
            play.SystemSetTimerOn = true;
        }
    }
    for (int p = 1; p <= PlayerSlots; ++p) {
        applyBoxes(game, menu, p);
    }
    game.host().changed(Change::Bars);
    CloseSystemPlayMenu(game, menu);
}

void CloseSystemPlayMenu(Game& game, SystemPlayMenu& menu) {
    if (!menu.open) {
        return;
    }
    menu.open = false;
    GameState& state = game.state();
    StartOptions& options = state.permanence.menu.options;
    if (options.StartMode == LoadStartMode::RandomAttacks && state.anySystemPlayer()) {
        options.StartMode = LoadStartMode::Normal;
        options.plan = AttackPlan{};
        if (state.permanence.load.mainFile) {
            Set_Cup_of_Ladefile(game);
        }
    }
    RefreshPlayerPanel(game);
    LeavePause(game);
}

void SystemSetTimerTick(Game& game) {
    SystemPlayState& play = game.state().systemPlay;
    if (!play.SystemSetTimerOn) {
        return;
    }
    play.SystemSetTimerOn = false;
    play.files.nextRound();
    const std::array<bool, 4> pending = play.firstRunPending;
    play.firstRunPending = {};
    for (int p = 1; p <= PlayerSlots; ++p) {
        if (pending[static_cast<std::size_t>(p - 1)]) {
            PlaySystemPlayer(game, p);
        }
    }
    RefreshPlayerPanel(game);
}

} // namespace quendra
