#include "Simulate.h"

#include "CliHost.h"
#include "GameSetup.h"
#include "Help.h"
#include "Options.h"
#include "SimulateSetup.h"
#include "Summary.h"
#include "SystemPlay.h"
#include "game/SuperShortPlay.h"

#include <ostream>

namespace quendra::cli {

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
    CliHost host(err, options.answerYes, options.date);
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
