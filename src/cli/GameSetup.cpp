#include "GameSetup.h"

#include "game/ProgramFolder.h"
#include "game/StartUp.h"
#include "systemplay/SystemTurn.h"

#include <cstdlib>
#include <system_error>

namespace quendra::cli {
namespace {

std::filesystem::path executableFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path(error);
    }
    return exe.parent_path();
}

} // namespace

std::filesystem::path programFolderFor(const std::optional<std::string>& home) {
    if (home) {
        return *home;
    }
    const char* variable = std::getenv("QUENDRA_HOME");
    return prepareProgramFolder(executableFolder(), variable ? variable : "",
                                userDataFolderFromEnvironment());
}

std::unique_ptr<Game> newGame(Host& host, const std::filesystem::path& programFolder,
                              std::optional<std::uint64_t> seed, std::optional<int> language) {
    auto game = seed ? std::make_unique<Game>(host, *seed) : std::make_unique<Game>(host);
    initialiseGameState(game->state(), programFolder);
    installSystemPlay(*game);
    if (language) {
        game->state().settings.Language = *language;
    }
    return game;
}

} // namespace quendra::cli
