// `quendra-cli simulate`: a super-short game as the program plays it, without waits or
// animation, then the summary of the players' results.
#pragma once

#include "game/Game.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <string>

namespace quendra::cli {

int runSimulate(std::span<const std::string> args, std::ostream& out, std::ostream& err);

// Plays the super-short game of a started game: `coups` coups, or without a number up to the
// end of the load files, where the coup drawn at random instead is not played. A message box
// or a pause ends the super-short game; it is started again, so neither ends the run.
void playSuperShortGame(Game& game, std::optional<std::int64_t> coups);

} // namespace quendra::cli
