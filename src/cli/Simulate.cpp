#include "Simulate.h"

#include "CliHost.h"
#include "GameSetup.h"
#include "Help.h"
#include "Options.h"
#include "SimulateSetup.h"
#include "Summary.h"
#include "SystemPlay.h"
#include "game/GameCommands.h"
#include "game/PauseProtocol.h"
#include "game/StartUp.h"
#include "game/SuperShortGame.h"
#include "spin/SpinCycle.h"

#include <algorithm>
#include <limits>
#include <ostream>

namespace quendra::cli {
namespace {

// A pause or a message ended the super-short game: the user ends the pause and starts the
// super-short game again.
void resumeSuperShortGame(Game& game) {
    GameState& state = game.state();
    if (state.phase == TextKind::gkPause) {
        if (state.UserPause) {
            PauseClick(game);
        } else {
            LeavePause(game);
        }
    }
    SuperShortGameOn(game, 0);
}

// The order a user follows: the load menu, Start, the system-play menu (offered once a game
// runs).
bool setUpGame(Game& game, const SettingsStore& store, const SimulateOptions& options) {
    if (!startGameWindow(game, store) || !setUpLoadFiles(game, options) || !StartGame(game)) {
        return false;
    }
    activateSystems(game, options);
    return true;
}

} // namespace

void playSuperShortGame(Game& game, std::optional<std::int64_t> coups) {
    GameState& state = game.state();
    state.EndAtLoadEnd = !coups;
    const std::int64_t before = state.SpielerStatPos;
    const auto played = [&] { return std::int64_t{state.SpielerStatPos} - before; };
    // Rounds in a row without a coup: a game that cannot go on ends the run.
    int idleRounds = 0;
    while (!coups || played() < *coups) {
        if (!state.superShortRunning()) {
            if (!coups && !state.permanence.load.HaLaAktiv) {
                break;
            }
            resumeSuperShortGame(game);
        }
        const std::int64_t left = coups ? *coups - played() : std::numeric_limits<int>::max();
        const std::int64_t start = played();
        BeginSuperShortBatch(game);
        RunSuperShortTicks(
            game, static_cast<int>(std::min<std::int64_t>(left, std::numeric_limits<int>::max())));
        idleRounds = played() == start ? idleRounds + 1 : 0;
        if (idleRounds > 2) {
            break;
        }
    }
    if (state.superShortRunning()) {
        SuperShortGameOff(game);
    }
}

int runSimulate(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
    auto parsed = parseSimulateOptions(args);
    if (const auto* usage = std::get_if<UsageError>(&parsed)) {
        return reportUsage(err, "simulate", *usage);
    }
    const SimulateOptions& options = std::get<SimulateOptions>(parsed);
    if (options.help) {
        out << SimulateHelp;
        return 0;
    }
    MemorySettingsStore store;
    auto usage = simulationSettings(options, store);
    if (!usage) {
        usage = systemPlayUsage(options, store);
    }
    if (usage) {
        return reportUsage(err, "simulate", *usage);
    }
    CliHost host(err, options.answerYes);
    auto game = newGame(host, programFolderFor(options.home), options.seed, options.language);
    const bool ready = setUpGame(*game, store, options);
    if (ready) {
        playSuperShortGame(*game, options.coups);
        game->hooks().closeGameFiles(*game);
    }
    printSummary(out, summarize(game->state()), options.json);
    return ready ? 0 : 1;
}

} // namespace quendra::cli
