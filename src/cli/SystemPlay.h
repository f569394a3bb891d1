// `--system` and `--protocol`: the system players of a simulation, activated as the system-play
// menu's OK activates them.
#pragma once

#include "Options.h"
#include "game/Game.h"
#include "settings/SettingsStore.h"

#include <optional>

namespace quendra::cli {

// Wrong usage: a system or protocol file for a player who does not take part under the
// settings the game will read (the menu offers only the players taking part).
std::optional<UsageError> systemPlayUsage(const SimulateOptions& options,
                                          const SettingsStore& store);

// The system-play menu of a started game: the system files in player order, then the protocol
// files in player order (warning 1 for a player without an active system), OK, and the
// system-set timer's first runs in player order, so the first bets stand before the first coup.
void activateSystems(Game& game, const SimulateOptions& options);

} // namespace quendra::cli
