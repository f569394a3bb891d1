// Opening the player statistics after a full game: 32000 coups of four players charted,
// from the menu's click to the first picture of the window.
#include "BenchSupport.h"
#include "spin/CoupRecords.h"
#include "statistics/TSpielerStat.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// Four players with changing stakes and wins over 32000 coups.
void playFullGame(quendra::GameState& state) {
    state.settings.PlayerCount = 4;
    for (int coup = 0; coup < quendra::HistoryLimit; ++coup) {
        int p = 1;
        for (quendra::Player& player : state.players) {
            player.BetSum = p * 2;
            player.CoupWin = (coup * 7 + p * 13) % 37 < 18 ? p * 4 : 0;
            player.CoupNet = player.CoupWin - player.BetSum;
            player.Capital += player.CoupNet;
            ++p;
        }
        quendra::RecordPlayerCoups(state);
    }
}

void BM_OpenPlayerStatistics(benchmark::State& state) {
    quendra::bench::SilentHost host;
    quendra::Game game(host);
    playFullGame(game.state());
    for (auto _ : state) {
        quendra::app::TSpielerStat window(game);
        window.show();
        benchmark::DoNotOptimize(window.grab());
    }
}
BENCHMARK(BM_OpenPlayerStatistics)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
