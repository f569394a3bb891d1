// The board's field rectangles.
#include "BoardLayout.h"

namespace quendra::app {
namespace {

QRect span(int left, int right, int top, int bottom) {
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

constexpr std::array<int, 12> RowTops{82, 122, 162, 202, 244, 284, 324, 364, 406, 446, 486, 526};
constexpr int RowHeight = 25;
constexpr std::array<std::array<int, 2>, 3> NumberColumns{{{40, 99}, {115, 167}, {183, 235}}};

} // namespace

BoardLayout boardLayout(TableType table) {
    BoardLayout layout;
    for (int row = 0; row < 12; ++row) {
        for (int column = 0; column < 3; ++column) {
            layout.numbers[3 * row + column + 1] =
                span(NumberColumns[column][0], NumberColumns[column][1], RowTops[row],
                     RowTops[row] + RowHeight - 1);
        }
    }
    if (table == TableType::French) {
        layout.zero = {span(96, 185, 35, 39), span(79, 202, 40, 45), span(61, 220, 46, 51),
                       span(44, 238, 52, 57), span(40, 242, 58, 66)};
    } else {
        layout.zero = {span(85, 95, 34, 36), span(74, 106, 37, 40), span(60, 120, 41, 44),
                       span(45, 133, 45, 48), span(40, 133, 49, 66)};
        layout.doubleZero = {span(187, 197, 34, 36), span(176, 208, 37, 40), span(162, 222, 41, 44),
                             span(149, 237, 45, 48), span(149, 242, 49, 66)};
    }
    layout.dozens = {span(253, 305, 81, 227), span(253, 305, 243, 389), span(253, 305, 405, 551)};
    layout.evenChances = {span(319, 372, 81, 147),  span(319, 372, 161, 227),
                          span(319, 372, 243, 309), span(319, 372, 323, 389),
                          span(319, 372, 405, 471), span(319, 372, 484, 551)};
    layout.columns = {span(40, 106, 559, 587), span(108, 174, 559, 587), span(176, 242, 559, 587)};
    layout.outerEdge = span(236, 252, 67, 550);
    return layout;
}

} // namespace quendra::app
