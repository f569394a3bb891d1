// Playing a number of coups in the super-short game without anyone at the keyboard, as the
// command line and the session runner do.
#pragma once

#include "game/Game.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace quendra {

// Plays the super-short game of a started game: `coups` coups, or without a number up to the
// end of the load files, where the coup drawn at random instead is not played. A message box
// or a pause ends the super-short game; it is started again, so neither ends the run — unless
// `goOn`, asked then, says no.
void playSuperShortGame(Game& game, std::optional<std::int64_t> coups,
                        const std::function<bool()>& goOn = {});

} // namespace quendra
