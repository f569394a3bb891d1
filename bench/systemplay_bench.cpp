// Coups per second of the super-short game with system players: each plays the doubling on red
// from its system file on disk, on the French table, in one super-short batch: the file is
// looked at on disk at most every 50 ms, as in the program.
#include "BenchSupport.h"
#include "game/GameCommands.h"
#include "game/StartUp.h"
#include "game/SuperShortGame.h"
#include "spin/SpinCycle.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/SystemTurn.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using quendra::bench::SilentHost;

// The doubling on red: one rise table, one bet per coup.
constexpr const char* Doubling = "(* doubling on red *)\r\n"
                                 "ST:\r\n"
                                 "SZ STMAX(V(200),N);\r\n"
                                 "SZ ST1(1,2,4,8,16,32);\r\n"
                                 "SZ EI1(ST1(1)), EC03;\r\n"
                                 "GW:\r\n"
                                 "SZ EI1(ST1(1)), EC03;\r\n"
                                 "VE:\r\n"
                                 "SZ EI1(ST1(+1)), EC03;\r\n";

class ProgramFolder {
public:
    ProgramFolder() : path_(std::filesystem::temp_directory_path() / "quendra-systemplay-bench") {
        std::filesystem::remove_all(path_);
        quendra::ensureWorkFolders(path_);
    }
    ~ProgramFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }
    std::string writeSystem(const std::string& name) const {
        const std::filesystem::path file = path_ / "SYSTEM" / name;
        std::ofstream(file, std::ios::binary) << Doubling;
        return file.string();
    }

private:
    std::filesystem::path path_;
};

// `players` system players on `files` system files (one shared file or one each).
void setUpGame(quendra::Game& game, const ProgramFolder& folder, int players, int files) {
    using namespace quendra;
    GameState& state = game.state();
    initialiseGameState(state, folder.path());
    state.table.FrenchTable = true;
    state.table.PocketTable = standardPocketTable(TableType::French);
    state.settings.PlayerCount = players;
    // The loss limit restarts the systems now and then; a huge capital never runs out.
    for (Player& player : state.players) {
        player.Capital = 2'000'000'000;
    }
    installSystemPlay(game);
    StartGame(game);
    SystemPlayMenu menu = OpenSystemPlayMenu(game);
    for (int p = 1; p <= players; ++p) {
        SystemFileChosen(game, menu, p,
                         folder.writeSystem("D" + std::to_string(p % files) + ".SYF"));
    }
    SystemfilemenuOKClick(game, menu);
    SystemSetTimerTick(game);
    SuperShortGameOn(game, 0);
}

void BM_SystemPlay(benchmark::State& bench) {
    const int players = static_cast<int>(bench.range(0));
    const int files = static_cast<int>(bench.range(1));
    ProgramFolder folder;
    SilentHost host;
    auto game = std::make_unique<quendra::Game>(host, 2024);
    setUpGame(*game, folder, players, files);
    quendra::GameState& state = game->state();
    for (auto _ : bench) {
        quendra::bench::playCountedCoup(*game);
    }
    for (int p = 1; p <= players; ++p) {
        if (!state.player(p).sys.SystemActive || state.player(p).BetSum < 1) {
            bench.SkipWithError("a system stopped playing");
        }
    }
    if (!state.superShortRunning()) {
        bench.SkipWithError("the super-short game stopped");
    }
    bench.SetItemsProcessed(bench.iterations());
}
// One player; four players sharing one file; four players with a file each.
BENCHMARK(BM_SystemPlay)->Args({1, 1})->Args({4, 1})->Args({4, 4});

} // namespace
