// Coups settled per second: one player with ten stakes, the ball going round the whole wheel.
#include "bets/ChipName.h"
#include "bets/Placement.h"
#include "bets/Settlement.h"
#include "game/Game.h"

#include <benchmark/benchmark.h>

namespace {

class SilentHost : public quendra::Host {
public:
    void showMessage(const quendra::MessageBoxData&) override {}
    bool askQuestion(const quendra::MessageBoxData&) override { return false; }
    void wait(int) override {}
    void changed(quendra::Change) override {}
    std::chrono::system_clock::time_point now() const override { return {}; }
};

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
