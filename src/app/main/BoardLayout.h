// Where the fields of the betting board lie on its picture, as rectangles of pixels: what the
// board picture is drawn from, found by asking the engine's hit test for every pixel.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "table/BetField.h"
#endif

#include <QRect>
#include <array>
#include <vector>

namespace quendra::app {

struct BoardLayout {
    // The pixels FieldAtPoint gives each plein 1-36 (indices 0 and 37 unused: the zeros are
    // areas).
    std::array<QRect, 38> numbers;
    // The zero fields as horizontal strips of equal extent, from the top down: PL00, and PL37
    // on the American table (empty on the French table).
    std::vector<QRect> zero;
    std::vector<QRect> doubleZero;
    std::array<QRect, 3> dozens;
    std::array<QRect, 6> evenChances;
    std::array<QRect, 3> columns;
    // The band right of the grid where the transversales simples lie.
    QRect outerEdge;
};

// Every rectangle is the bounding box of the pixels the hit test gives that field, so the
// picture drawn from it shows each field exactly where a click bets on it.
BoardLayout boardLayout(TableType table);

} // namespace quendra::app
