// The time bar `Spielablauf`: its ticks towards the coup and the colour that warns of the coup.
#pragma once

#include "game/GameState.h"

#include <cstdint>

namespace quendra {

// The background for a bar filled to tick of limit ticks: white below 50 %, teal from 50 %,
// yellow from 66 %, red from 82 %. A limit below 1 (the super-short game) gives white.
BarColour timeBarColour(std::int32_t tick, std::int32_t limit);

// The end of every game-timer tick: one tick more; outside the super-short game the colour
// follows the filling.
void AdvanceTimeBar(GameState& state);

} // namespace quendra
