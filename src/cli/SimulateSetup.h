// The set-up of a simulation in the order a user of the menus follows: the settings, the load
// menu with its start option, then the system-play menu.
#pragma once

#include "Options.h"
#include "game/Game.h"
#include "settings/SettingsStore.h"

#include <optional>

namespace quendra::cli {

// The settings the game reads at start: the defaults, then every `--set` by its store name in
// section "Einstellungen", then --table, --players, --capital, --piece-value and --lang. A key
// the section does not hold is wrong usage.
std::optional<UsageError> simulationSettings(const SimulateOptions& options,
                                             MemorySettingsStore& store);

// The load menu: the collect file (ticking it fills the main and follow slots), the follow
// files in order, the main file, the start option, then OK. Names are used as given. False when
// the load the run asked for could not be made active (error 8 or 11 has been shown).
bool setUpLoadFiles(Game& game, const SimulateOptions& options);

// The whole set-up in the order a user follows: the settings, the load menu, Start, then the
// system-play menu (offered once a game runs). False when the game could not be started.
bool setUpGame(Game& game, const SettingsStore& store, const SimulateOptions& options);

} // namespace quendra::cli
