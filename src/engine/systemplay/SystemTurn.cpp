// System play's turns and protocol lines in the spin cycle.
#include "systemplay/SystemTurn.h"

#include "bets/Placement.h"
#include "systemplay/ProtocolFiles.h"
#include "systemplay/SystemFile.h"
#include "systemplay/SystemRun.h"
#include "text/FileLine.h"

namespace quendra {
namespace {

void recordCheckedTime(GameState& state, const std::string& file, double time) {
    for (Player& player : state.players) {
        if (player.sys.SystemFile == file) {
            player.sys.RecordedTime = time;
            player.sys.TimeUpdated = true;
        }
    }
}

// The pre-check of a file whose time is not the recorded one; false after its error.
bool precheck(Game& game, int player, const std::string& file) {
    const SystemFileCheck check =
        checkSystemFile(file, game.state().player(player).sys.RecordedTime);
    if (check.error != SystemFileError::None) {
        game.showError(static_cast<int>(check.error), FileSelector::FirstSystemFile + player - 1,
                       check.line);
        return false;
    }
    if (check.rewritten) {
        game.state().systemPlay.files.forget(file);
    }
    recordCheckedTime(game.state(), file, check.time);
    return true;
}

} // namespace

const SystemSteps* CheckedSystemSteps(Game& game, int player) {
    GameState& state = game.state();
    const std::string& file = state.player(player).sys.SystemFile;
    if (file.empty()) {
        return nullptr;
    }
    SystemFileCache& files = state.systemPlay.files;
    std::optional<SystemFileStamp> stamp = files.stamp(file);
    if (stamp && stamp->time != state.player(player).sys.RecordedTime) {
        if (!precheck(game, player, file)) {
            return nullptr;
        }
        stamp = files.stamp(file);
    }
    const SystemSteps* steps = stamp ? files.steps(file, *stamp, state.table.type()) : nullptr;
    if (!steps) {
        game.showError(static_cast<int>(SystemFileError::CannotRead),
                       FileSelector::FirstSystemFile + player - 1);
    }
    return steps;
}

void PlaySystemTurn(Game& game, int player) {
    const SystemSteps* steps = CheckedSystemSteps(game, player);
    if (!steps) {
        return;
    }
    game.state().bets.betList.clear();
    if (RunSystem(game, player, *steps) && !game.state().bets.betList.entries.empty()) {
        ChargeAndPlaceBetList(game);
    }
}

void SystemPlayHooks::writeProtocolLines(Game& game) {
    game.state().systemPlay.files.nextRound(game.state().superShortRunning());
    WriteCoupProtocolLines(game);
}

void SystemPlayHooks::runSystemPlayer(Game& game, int player) {
    PlaySystemTurn(game, player);
}

void SystemPlayHooks::closeGameFiles(Game& game) {
    CloseProtocolFiles(game);
    GameHooks::closeGameFiles(game);
}

void SystemPlayHooks::writeProtocolLine(int player, std::string_view line) {
    WriteProtocolLine(game_, player, line);
}

void installSystemPlay(Game& game) {
    auto hooks = std::make_unique<SystemPlayHooks>(game);
    game.state().permanence.protocolSink = hooks.get();
    game.adoptHooks(std::move(hooks));
}

} // namespace quendra
