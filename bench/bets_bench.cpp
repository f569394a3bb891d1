// Coups settled per second: one player with ten stakes, the ball going round the whole wheel.
#include "BenchSupport.h"
#include "bets/ChipName.h"
#include "bets/Placement.h"
#include "bets/Settlement.h"
#include "game/Game.h"

#include <benchmark/benchmark.h>

namespace {

using quendra::bench::SilentHost;

void BM_SettleCoup(benchmark::State& bench) {
    using namespace quendra;
    SilentHost host;
    Game game(host, 1);
    GameState& state = game.state();
    state.table.PocketTable = standardPocketTable(TableType::French);
    state.settings.PlayerCount = 1;
    state.player(1).Capital = 1000000;
    for (const char* code :
         {"PL17", "PL00", "CH37", "TP05", "TS03", "CA09", "KL02", "DZ03", "EC03", "EC06"}) {
        ChargeStake(game, 5);
        PlaceBet(game, 5, chipName(*parseFieldCode(code), 1));
    }
    int pocket = 0;
    for (auto _ : bench) {
        state.table.BallPocket = pocket % 37 + 1;
        ++pocket;
        SettleCoup(game);
        benchmark::DoNotOptimize(state.player(1).CoupWin);
    }
}
BENCHMARK(BM_SettleCoup);

} // namespace
