// Sessions per second of the session runner: 10,000 sessions of 1,000 coups of the worked
// example's doubling on red, on two threads, each session a fresh game set up from its system
// file. Peak memory is the process's high-water mark after the run.
#include "game/GameCommands.h"
#include "game/StartUp.h"
#include "sessions/SessionFigures.h"
#include "sessions/SessionRunner.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/SystemTurn.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>

namespace {

constexpr const char* WorkedExample = "(* DOUBLING ON RED *)\r\n"
                                      "ST:\r\n"
                                      "SZ STMAX(E,V(200));\r\n"
                                      "SZ ST1(1,2,4,8,16,32);\r\n"
                                      "SZ EI1(ST1(1)), EC03;\r\n"
                                      "GW:\r\n"
                                      "SZ EI1(ST1(1)), EC03;\r\n"
                                      "VE:\r\n"
                                      "SZ EI1(ST1(+1)), EC03;\r\n";

class ProgramFolder {
public:
    ProgramFolder() : path_(std::filesystem::temp_directory_path() / "quendra-sessions-bench") {
        std::filesystem::remove_all(path_);
        quendra::ensureWorkFolders(path_);
        std::ofstream(system(), std::ios::binary) << WorkedExample;
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string system() const { return (path_ / "SYSTEM" / "DOUBLE.SYF").string(); }

private:
    std::filesystem::path path_;
};

quendra::SessionGameFactory sessionGames(const ProgramFolder& folder) {
    using namespace quendra;
    return [&folder](Host& host, std::uint64_t seed) {
        auto game = std::make_unique<Game>(host, seed);
        GameState& state = game->state();
        initialiseGameState(state, folder.path());
        state.table.FrenchTable = true;
        state.table.PocketTable = standardPocketTable(TableType::French);
        state.settings.PlayerCount = 1;
        state.player(1).Capital = state.player(1).StartCapital = 2000;
        installSystemPlay(*game);
        StartGame(*game);
        SystemPlayMenu menu = OpenSystemPlayMenu(*game);
        SystemFileChosen(*game, menu, 1, folder.system());
        SystemfilemenuOKClick(*game, menu);
        SystemSetTimerTick(*game);
        return game;
    };
}

void BM_Sessions(benchmark::State& bench) {
    const ProgramFolder folder;
    quendra::SessionBatch batch;
    batch.seed = 2024;
    batch.count = static_cast<std::uint64_t>(bench.range(0));
    batch.coups = bench.range(1);
    batch.startCapitals = {2000};
    batch.systemPlayers = {true};
    quendra::SessionRunControl control;
    control.threads = static_cast<int>(bench.range(2));
    std::size_t played = 0;
    for (auto _ : bench) {
        const quendra::SessionRun run = quendra::runSessions(batch, sessionGames(folder), control);
        benchmark::DoNotOptimize(quendra::sessionFigures(run));
        played += run.sessions.size();
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    bench.counters["sessions/s"] =
        benchmark::Counter(static_cast<double>(played), benchmark::Counter::kIsRate);
    bench.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
// sessions, coups, threads
BENCHMARK(BM_Sessions)
    ->Args({10'000, 1'000, 2})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
