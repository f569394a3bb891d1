#include "sessions/GameSessions.h"

#include "game/GameCommands.h"
#include "game/StartUp.h"
#include "settings/SettingsIo.h"
#include "systemplay/SystemPlayers.h"
#include "systemplay/SystemTurn.h"

namespace quendra {

GameSessionSetup gameSessionSetup(const GameState& state) {
    GameSessionSetup setup;
    setup.programFolder = state.ProgramFolder;
    Settings settings = state.settings;
    settings.YearStatistics = false;
    WriteSettings(setup.settings, settings);
    for (int p = 1; p <= PlayerSlots; ++p) {
        setup.systemFiles[p - 1] = state.player(p).sys.SystemFile;
    }
    return setup;
}

SessionGameFactory gameSessions(const GameSessionSetup& setup) {
    return [&setup](Host& host, std::uint64_t seed) -> std::unique_ptr<Game> {
        auto game = std::make_unique<Game>(host, seed);
        initialiseGameState(game->state(), setup.programFolder);
        installSystemPlay(*game);
        if (!startGameWindow(*game, setup.settings) || !StartGame(*game)) {
            return nullptr;
        }
        SystemPlayMenu menu = OpenSystemPlayMenu(*game);
        for (int p = 1; p <= game->state().playersInPlay(); ++p) {
            if (!setup.systemFiles[p - 1].empty()) {
                SystemFileChosen(*game, menu, p, setup.systemFiles[p - 1]);
            }
        }
        SystemfilemenuOKClick(*game, menu);
        SystemSetTimerTick(*game);
        return game;
    };
}

SessionBatch describeBatch(const Game& firstSession, SessionBatch batch) {
    const GameState& state = firstSession.state();
    batch.americanTable = !state.table.FrenchTable;
    batch.startCapitals.clear();
    batch.systemPlayers.clear();
    for (int p = 1; p <= state.playersInPlay(); ++p) {
        batch.startCapitals.push_back(state.player(p).StartCapital);
        batch.systemPlayers.push_back(state.player(p).isSystemPlayer());
    }
    return batch;
}

} // namespace quendra
