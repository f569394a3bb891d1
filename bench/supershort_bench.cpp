// Coups per second of the super-short game: one player on the French table re-buys ten stakes
// every coup with Replay, extended statistics on.
#include "BenchSupport.h"
#include "bets/ChipName.h"
#include "bets/Placement.h"
#include "game/GameCommands.h"
#include "game/StartUp.h"
#include "game/SuperShortGame.h"
#include "spin/SpinCycle.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace {

using quendra::bench::SilentHost;

constexpr const char* TenStakes[] = {"PL05", "PL17", "CH12", "TP03", "TS04",
                                     "CA07", "KL02", "DZ01", "EC03", "EC06"};

void setUpGame(quendra::Game& game) {
    using namespace quendra;
    GameState& state = game.state();
    initialiseGameState(state, {});
    state.table.FrenchTable = true;
    state.table.PocketTable = standardPocketTable(TableType::French);
    state.settings.ExtendedStatistics = true;
    state.player(1).Capital = 2'000'000'000;
    StartGame(game);
    for (const char* code : TenStakes) {
        ChargeStake(game, 1);
        PlaceBet(game, 1, chipName(*parseFieldCode(code), 1));
    }
    ReplayClick(game);
    SuperShortGameOn(game, 0);
}

void BM_SuperShortReplayTenStakes(benchmark::State& bench) {
    SilentHost host;
    auto game = std::make_unique<quendra::Game>(host, 2024);
    setUpGame(*game);
    quendra::GameState& state = game->state();
    for (auto _ : bench) {
        quendra::bench::playCountedCoup(*game);
    }
    if (!state.superShortRunning() || state.player(1).BetSum != 10) {
        bench.SkipWithError("the super-short game stopped or lost its stakes");
    }
    bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_SuperShortReplayTenStakes);

} // namespace
