// Sessions with the set-up of a game: a fresh game per session, started as the program starts
// one from the settings, with the system files of the system-play menu activated. The Systemtest
// window takes the set-up from the running game; the batch is described from the first session.
#pragma once

#include "game/Game.h"
#include "sessions/SessionRunner.h"
#include "settings/SettingsStore.h"

#include <array>
#include <filesystem>
#include <string>

namespace quendra {

struct GameSessionSetup {
    std::filesystem::path programFolder;
    // The settings record as the store holds it, the year statistics off: sessions on many
    // threads must not append to one year statistics file.
    MemorySettingsStore settings;
    // The system file of each player; empty for a player without one.
    std::array<std::string, PlayerSlots> systemFiles;
};

// The set-up of the game: its program folder, settings and the system files of its players.
GameSessionSetup gameSessionSetup(const GameState& state);

// Makes each session's game from the set-up, which must outlive the factory.
SessionGameFactory gameSessions(const GameSessionSetup& setup);

// The batch as the first session's game shows it after its set-up: the players' start capitals,
// who plays a system, the table. The range, coups, goal, day and set-up text are the caller's.
SessionBatch describeBatch(const Game& firstSession, SessionBatch batch);

} // namespace quendra
