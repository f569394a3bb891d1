// Clicks on the wheel box `Kesselbox`: the right button throws the ball at once, the left button
// picks the next number by hand.
#pragma once

#include "game/Game.h"

namespace quendra {

// The right button alone: in betting time (automatic or manual) the coup follows on the next
// tick but one; before the game is started warning 8 asks for Start.
void KesselboxRightClick(Game& game);

// The left button alone: the number picker, inside the pause protocol. Picking the chosen number
// again withdraws it and the picker stays open; any other number is chosen for the next coup.
void KesselboxLeftClick(Game& game);

} // namespace quendra
