// The board's field rectangles, collected from the hit test pixel by pixel.
#include "main/BoardLayout.h"

#include "table/BoardGeometry.h"

namespace quendra::app {
namespace {

// The horizontal extent of a zero on each pixel row; consecutive rows of equal extent form one
// strip.
std::vector<QRect> stripsOf(const std::array<QRect, BoardHeight>& rows) {
    std::vector<QRect> strips;
    for (const QRect& row : rows) {
        if (row.isNull()) {
            continue;
        }
        const bool continues = !strips.empty() && strips.back().bottom() + 1 == row.top() &&
                               strips.back().left() == row.left() &&
                               strips.back().right() == row.right();
        if (continues) {
            strips.back().setBottom(row.bottom());
        } else {
            strips.push_back(row);
        }
    }
    return strips;
}

} // namespace

BoardLayout boardLayout(TableType table) {
    BoardLayout layout;
    std::array<QRect, BoardHeight> zeroRows{};
    std::array<QRect, BoardHeight> doubleZeroRows{};
    for (int y = 0; y < BoardHeight; ++y) {
        for (int x = 0; x < BoardWidth; ++x) {
            const std::optional<BetField> field = FieldAtPoint(table, {x, y});
            if (!field) {
                continue;
            }
            const QRect pixel(x, y, 1, 1);
            const int i = field->index;
            switch (field->kind) {
            case BetKind::Plein:
                if (i == 0) {
                    zeroRows[y] |= pixel;
                } else if (i == DoubleZero) {
                    doubleZeroRows[y] |= pixel;
                } else {
                    layout.numbers[i] |= pixel;
                }
                break;
            case BetKind::Dozen:
                layout.dozens[i - 1] |= pixel;
                break;
            case BetKind::EvenChance:
                layout.evenChances[i - 1] |= pixel;
                break;
            case BetKind::Column:
                layout.columns[i - 1] |= pixel;
                break;
            case BetKind::TransversaleSimple: // found only on the outer edge
                layout.outerEdge |= pixel;
                break;
            case BetKind::TransversalePlein:
            case BetKind::Cheval:
            case BetKind::Carre:
                // The lines between the fields: drawn through the middle of the bands between
                // the fields above.
                break;
            }
        }
    }
    layout.zero = stripsOf(zeroRows);
    layout.doubleZero = stripsOf(doubleZeroRows);
    return layout;
}

} // namespace quendra::app
