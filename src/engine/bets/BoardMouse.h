// Mouse placement on the board picture and on the chips: what a press and each auto-repeat
// tick do. The app owns the 200 ms repeat timers and starts them by the outcome.
#pragma once

#include "bets/Placement.h"
#include "table/BoardGeometry.h"

#include <string_view>

namespace quendra {

enum class MouseButton { Left, Right };

inline constexpr int MouseRepeatMs = 200;

// A point on a control over the board (a chip, a highlight image) in board coordinates.
constexpr BoardPoint boardPointFromControl(int controlLeft, int controlTop, int x, int y) {
    return {x + controlLeft, y + controlTop - 8};
}

// Board mouse down. Puts the win indicator to rest; before a game warning 8; while bets are
// accepted it first takes hidden bets of `CurrentPlayer` off, then the left button adds a unit
// on the field under the point and the right button removes one. The left button's repeat
// starts unless the outcome is Refused; the right button's always.
PlacementOutcome BoardPress(Game& game, BoardPoint point, MouseButton button);
// One repeat tick at the remembered point.
PlacementOutcome BoardRepeat(Game& game, BoardPoint point, MouseButton button);

// Chip mouse down, and each of its repeat ticks: one unit more or less on the chip's field for
// `CurrentPlayer`. Needs no betting phase; prison chips do not react.
PlacementOutcome ChipPress(Game& game, std::string_view chipName, MouseButton button);

} // namespace quendra
