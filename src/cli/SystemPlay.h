// `--system` and `--protocol`: the system players of a simulation, activated as the system-play
// menu's OK activates them.
#pragma once

#include "Options.h"
#include "game/Game.h"

#include <optional>

namespace quendra::cli {

// Wrong usage when system play is asked for but cannot be offered.
std::optional<UsageError> systemPlayUsage(const SimulateOptions& options);

// The system files in player order, then the protocol files in player order, then the first
// runs in player order, so the first bets stand before the first coup.
void activateSystems(Game& game, const SimulateOptions& options);

} // namespace quendra::cli
