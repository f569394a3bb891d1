// The geometry of the betting board picture: which field lies under a point, where each field's
// chips sit, the chip shape and the win indicator.
#pragma once

#include "table/BetField.h"

#include <optional>

namespace quendra {

// A pixel of the board picture (420 × 637, x to the right, y downwards). The picture lies 12
// pixels down in the main window; window coordinates say so where they are used.
struct BoardPoint {
    int x = 0;
    int y = 0;

    bool operator==(const BoardPoint&) const = default;
};

inline constexpr int BoardWidth = 420;
inline constexpr int BoardHeight = 637;
inline constexpr int BoardTop = 12; // the picture's top in the main window

// The field under the point, tested band by band in a fixed order; nullopt off every field
// (the top edge, the gaps between the dozens and the even chances, the margins).
std::optional<BetField> FieldAtPoint(TableType table, BoardPoint point);

// The point a chip of the player (1-4) on the field is centred on. Dozens and even chances
// give each player his own anchor; every other field has one anchor shared by all players.
// A field the table lacks gives (0, 0), which lies on no field.
BoardPoint fieldAnchor(TableType table, BetField field, int player);

// The point by which a bet list names the field: 7 pixels above the anchor, inside the field.
BoardPoint betListPoint(TableType table, BetField field, int player = 1);

enum class PrisonKind { First, Second }; // chips "SH_ZE" (left) and "SH_ZS" (right)

// The anchor of a prisoner's chip of the player (1-4) on the even chance (1-6).
BoardPoint prisonAnchor(PrisonKind prison, int chance, int player);

// A point of the main window.
struct WindowPoint {
    int x = 0;
    int y = 0;

    bool operator==(const WindowPoint&) const = default;
};

// Where the win indicator (18 × 34) rests when no winning number is shown.
inline constexpr WindowPoint WinIndicatorRest{300, 32};
// The win indicator's top-left corner over the plein of the winning number.
WindowPoint winIndicatorPosition(TableType table, int number);

// A chip's outline in window coordinates: the 22 × 22 circle below 100, a rectangle showing the
// value from 100 on.
struct ChipShape {
    bool rectangle = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const ChipShape&) const = default;
};
inline constexpr int ChipRectangleFrom = 100;

// textWidth is the width of the value's text in the chip's font (only the rectangle uses it).
ChipShape chipShape(BoardPoint anchor, int value, int textWidth);

} // namespace quendra
