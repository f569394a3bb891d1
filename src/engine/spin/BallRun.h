// The ball's run around the wheel: from `BallPocket` over `BallSteps` − 1 pockets in wheel
// order to the winning pocket, drawn pocket by pocket with a slowing wait, or computed at once
// in the super-short game.
#pragma once

#include "game/Game.h"

#include <cstdint>

namespace quendra {

// The wait before the step `step` (1-based) of a run of `steps` steps: 2 ms, and over the last
// 70 steps 1 ms more for each, so the ball slows down towards its stop and always ends alike.
int ballRunWait(int step, int steps);

// The pocket reached from `fromPocket` after `moves` pockets in wheel order, pocket `pocketCount`
// followed by pocket 1. A negative count or a pocket outside the wheel is taken round the wheel
// all the same.
int pocketAfter(int fromPocket, std::int64_t moves, int pocketCount);

// Runs the ball: `BallPocket` becomes the winning pocket. Outside the super-short game every
// pocket passed is announced (Change::Ball) after a wait through the host.
void RunBall(Game& game);

} // namespace quendra
