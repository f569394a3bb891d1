// The bands and rectangles of the board picture and the anchors of every field.
#include "table/BoardGeometry.h"

#include <array>
#include <span>

namespace quendra {
namespace {

struct Range {
    int low;
    int high;
    constexpr bool contains(int v) const { return v >= low && v <= high; }
};

struct Rect {
    Range x;
    Range y;
    constexpr bool contains(BoardPoint p) const { return x.contains(p.x) && y.contains(p.y); }
};

bool anyContains(std::span<const Rect> rects, BoardPoint p) {
    for (const Rect& r : rects) {
        if (r.contains(p)) {
            return true;
        }
    }
    return false;
}

// The rows of numbers and the lines below them, from the top.
constexpr std::array<Range, 12> RowBands{{{82, 106},
                                          {122, 146},
                                          {162, 186},
                                          {202, 226},
                                          {244, 268},
                                          {284, 308},
                                          {324, 348},
                                          {364, 388},
                                          {406, 430},
                                          {446, 470},
                                          {486, 510},
                                          {526, 550}}};
constexpr std::array<Range, 11> LineBands{{{107, 121},
                                           {147, 161},
                                           {187, 201},
                                           {227, 243},
                                           {269, 283},
                                           {309, 323},
                                           {349, 363},
                                           {389, 405},
                                           {431, 445},
                                           {471, 485},
                                           {511, 525}}};
constexpr Range ZeroLine{67, 81};

constexpr std::array<int, 12> RowY{94, 134, 174, 214, 256, 296, 336, 376, 418, 458, 498, 538};
constexpr std::array<int, 11> LineY{114, 154, 194, 235, 276, 316, 356, 397, 438, 478, 518};
constexpr std::array<int, 3> NumberX{73, 141, 209};
constexpr int LeftLineX = 107;
constexpr int RightLineX = 175;
constexpr int OuterEdgeX = 244;
constexpr int ZeroLineY = 74;

enum class ColumnBand { LeftNumbers, LeftLine, MiddleNumbers, RightLine, RightNumbers };

std::optional<ColumnBand> columnBandAt(int x) {
    if (Range{40, 99}.contains(x)) {
        return ColumnBand::LeftNumbers;
    }
    if (Range{100, 114}.contains(x)) {
        return ColumnBand::LeftLine;
    }
    if (Range{115, 167}.contains(x)) {
        return ColumnBand::MiddleNumbers;
    }
    if (Range{168, 182}.contains(x)) {
        return ColumnBand::RightLine;
    }
    if (Range{183, 235}.contains(x)) {
        return ColumnBand::RightNumbers;
    }
    return std::nullopt;
}

// Which horizontal band of the grid a y lies in: the zero line, row r or the line below row r.
struct RowBand {
    enum Kind { Zero, Row, Line } kind;
    int r; // 1-based for rows and lines
};

std::optional<RowBand> rowBandAt(int y) {
    if (ZeroLine.contains(y)) {
        return RowBand{RowBand::Zero, 0};
    }
    for (int r = 1; r <= 12; ++r) {
        if (RowBands[r - 1].contains(y)) {
            return RowBand{RowBand::Row, r};
        }
        if (r <= 11 && LineBands[r - 1].contains(y)) {
            return RowBand{RowBand::Line, r};
        }
    }
    return std::nullopt;
}

std::optional<BetField> evenChanceAt(BoardPoint p) {
    constexpr std::array<Range, 6> bands{
        {{81, 147}, {161, 227}, {243, 309}, {323, 389}, {405, 471}, {484, 551}}};
    if (!Range{319, 372}.contains(p.x)) {
        return std::nullopt;
    }
    for (int k = 1; k <= 6; ++k) {
        if (bands[k - 1].contains(p.y)) {
            return BetField{BetKind::EvenChance, k};
        }
    }
    return std::nullopt;
}

std::optional<BetField> dozenAt(BoardPoint p) {
    constexpr std::array<Range, 3> bands{{{81, 227}, {243, 389}, {405, 551}}};
    if (p.x > 305) {
        return std::nullopt;
    }
    for (int d = 1; d <= 3; ++d) {
        if (bands[d - 1].contains(p.y)) {
            return BetField{BetKind::Dozen, d};
        }
    }
    return std::nullopt;
}

std::optional<BetField> zeroAreaAt(TableType table, BoardPoint p) {
    constexpr std::array<Rect, 5> frenchZero{{{{40, 242}, {58, 66}},
                                              {{44, 238}, {52, 57}},
                                              {{61, 220}, {46, 51}},
                                              {{79, 202}, {40, 45}},
                                              {{96, 185}, {35, 39}}}};
    constexpr std::array<Rect, 5> americanZero{{{{40, 133}, {49, 66}},
                                                {{45, 133}, {45, 48}},
                                                {{60, 120}, {41, 44}},
                                                {{74, 106}, {37, 40}},
                                                {{85, 95}, {34, 36}}}};
    constexpr std::array<Rect, 5> americanDoubleZero{{{{149, 242}, {49, 66}},
                                                      {{149, 237}, {45, 48}},
                                                      {{162, 222}, {41, 44}},
                                                      {{176, 208}, {37, 40}},
                                                      {{187, 197}, {34, 36}}}};
    constexpr Rect zeroDoubleZeroSplit{{134, 148}, {47, 66}};

    if (table == TableType::French) {
        return anyContains(frenchZero, p) ? std::optional(BetField{BetKind::Plein, 0})
                                          : std::nullopt;
    }
    if (anyContains(americanZero, p)) {
        return BetField{BetKind::Plein, 0};
    }
    if (anyContains(americanDoubleZero, p)) {
        return BetField{BetKind::Plein, DoubleZero};
    }
    if (zeroDoubleZeroSplit.contains(p)) {
        return BetField{BetKind::Cheval, 61};
    }
    return std::nullopt;
}

// The zero line between the zero field(s) and the first row.
std::optional<BetField> zeroLineAt(TableType table, ColumnBand column, int x) {
    const bool french = table == TableType::French;
    switch (column) {
    case ColumnBand::LeftNumbers:
        return BetField{BetKind::Cheval, 1};
    case ColumnBand::MiddleNumbers:
        if (french || x <= 133) {
            return BetField{BetKind::Cheval, 2};
        }
        if (x >= 149) {
            return BetField{BetKind::Cheval, 62};
        }
        return BetField{BetKind::TransversalePlein, 15};
    case ColumnBand::RightNumbers:
        return BetField{BetKind::Cheval, french ? 3 : 63};
    case ColumnBand::LeftLine:
        return BetField{BetKind::TransversalePlein, 1};
    case ColumnBand::RightLine:
        return BetField{BetKind::TransversalePlein, french ? 2 : 16};
    }
    return std::nullopt;
}

std::optional<BetField> numberGridAt(TableType table, BoardPoint p) {
    const auto column = columnBandAt(p.x);
    const auto row = rowBandAt(p.y);
    if (!column || !row) {
        return std::nullopt;
    }
    if (row->kind == RowBand::Zero) {
        return zeroLineAt(table, *column, p.x);
    }
    const int r = row->r;
    const bool inRow = row->kind == RowBand::Row;
    switch (*column) {
    case ColumnBand::LeftNumbers:
        return inRow ? BetField{BetKind::Plein, 3 * r - 2} : BetField{BetKind::Cheval, 3 * r + 1};
    case ColumnBand::MiddleNumbers:
        return inRow ? BetField{BetKind::Plein, 3 * r - 1} : BetField{BetKind::Cheval, 3 * r + 2};
    case ColumnBand::RightNumbers:
        return inRow ? BetField{BetKind::Plein, 3 * r} : BetField{BetKind::Cheval, 3 * r + 3};
    case ColumnBand::LeftLine:
        return inRow ? BetField{BetKind::Cheval, 35 + 2 * r} : BetField{BetKind::Carre, 2 * r};
    case ColumnBand::RightLine:
        return inRow ? BetField{BetKind::Cheval, 36 + 2 * r} : BetField{BetKind::Carre, 2 * r + 1};
    }
    return std::nullopt;
}

std::optional<BetField> columnBetAt(BoardPoint p) {
    if (Range{40, 106}.contains(p.x)) {
        return BetField{BetKind::Column, 1};
    }
    if (Range{108, 174}.contains(p.x)) {
        return BetField{BetKind::Column, 2};
    }
    if (Range{176, 242}.contains(p.x)) {
        return BetField{BetKind::Column, 3};
    }
    return std::nullopt;
}

std::optional<BetField> outerEdgeAt(BoardPoint p) {
    const auto row = rowBandAt(p.y);
    if (!row) {
        return std::nullopt;
    }
    switch (row->kind) {
    case RowBand::Zero:
        return BetField{BetKind::Carre, 1};
    case RowBand::Row:
        return BetField{BetKind::TransversalePlein, row->r + 2};
    case RowBand::Line:
        return BetField{BetKind::TransversaleSimple, row->r};
    }
    return std::nullopt;
}

int validPlayer(int player) {
    return player >= 1 && player <= 4 ? player : 1;
}

BoardPoint pleinAnchor(TableType table, int number) {
    if (number == 0) {
        return {table == TableType::French ? 141 : 91, 54};
    }
    if (number == DoubleZero) {
        return {191, 54};
    }
    return {NumberX[(number - 1) % 3], RowY[(number - 1) / 3]};
}

BoardPoint chevalAnchor(TableType table, int index) {
    if (index <= 3) {
        constexpr std::array<int, 3> frenchX{73, 141, 209};
        constexpr std::array<int, 3> americanX{73, 124, 209};
        const auto& xs = table == TableType::French ? frenchX : americanX;
        return {xs[index - 1], ZeroLineY};
    }
    if (index <= 36) { // the split of index - 3 and index across the line below their row
        return {NumberX[(index - 1) % 3], LineY[(index - 4) / 3]};
    }
    if (index <= 60) { // the split of two neighbours in one row
        const int r = (index - 35) / 2;
        return {index % 2 == 1 ? LeftLineX : RightLineX, RowY[r - 1]};
    }
    constexpr std::array<BoardPoint, 3> zeroSplits{{{141, 60}, {158, ZeroLineY}, {209, ZeroLineY}}};
    return zeroSplits[index - 61];
}

BoardPoint transversalePleinAnchor(int index) {
    switch (index) {
    case 1:
        return {LeftLineX, ZeroLineY};
    case 2:
    case 16:
        return {RightLineX, ZeroLineY};
    case 15:
        return {141, ZeroLineY};
    default:
        return {OuterEdgeX, RowY[index - 3]};
    }
}

BoardPoint carreAnchor(int index) {
    if (index == 1) {
        return {OuterEdgeX, ZeroLineY};
    }
    return {index % 2 == 0 ? LeftLineX : RightLineX, LineY[index / 2 - 1]};
}

BoardPoint dozenAnchor(int index, int player) {
    constexpr std::array<std::array<int, 4>, 3> ys{
        {{90, 110, 199, 219}, {252, 272, 361, 381}, {414, 434, 523, 543}}};
    return {278, ys[index - 1][player - 1]};
}

BoardPoint evenChanceAnchor(int index, int player) {
    constexpr std::array<std::array<int, 2>, 6> ys{
        {{95, 133}, {175, 213}, {257, 295}, {337, 375}, {419, 457}, {498, 536}}};
    const int x = player % 2 == 1 ? 324 : 366;
    return {x, ys[index - 1][player <= 2 ? 0 : 1]};
}

} // namespace

std::optional<BetField> FieldAtPoint(TableType table, BoardPoint p) {
    if (Rect{{313, 378}, {75, 557}}.contains(p)) {
        return evenChanceAt(p);
    }
    if (Rect{{253, 311}, {75, 557}}.contains(p)) {
        return dozenAt(p);
    }
    if (Rect{{40, 242}, {34, 66}}.contains(p)) {
        return zeroAreaAt(table, p);
    }
    if (Rect{{40, 235}, {67, 557}}.contains(p)) {
        return numberGridAt(table, p);
    }
    if (Rect{{40, 242}, {559, 587}}.contains(p)) {
        return columnBetAt(p);
    }
    if (Rect{{236, 252}, {67, 550}}.contains(p)) {
        return outerEdgeAt(p);
    }
    return std::nullopt;
}

BoardPoint fieldAnchor(TableType table, BetField field, int player) {
    if (!fieldPresent(table, field)) {
        return {};
    }
    player = validPlayer(player);
    switch (field.kind) {
    case BetKind::Plein:
        return pleinAnchor(table, field.index);
    case BetKind::Cheval:
        return chevalAnchor(table, field.index);
    case BetKind::TransversalePlein:
        return transversalePleinAnchor(field.index);
    case BetKind::TransversaleSimple:
        return {OuterEdgeX, LineY[field.index - 1]};
    case BetKind::Carre:
        return carreAnchor(field.index);
    case BetKind::Column:
        return {NumberX[field.index - 1], 573};
    case BetKind::Dozen:
        return dozenAnchor(field.index, player);
    case BetKind::EvenChance:
        return evenChanceAnchor(field.index, player);
    }
    return {};
}

BoardPoint betListPoint(TableType table, BetField field, int player) {
    const BoardPoint anchor = fieldAnchor(table, field, player);
    return {anchor.x, anchor.y - 7};
}

BoardPoint prisonAnchor(PrisonKind prison, int chance, int player) {
    constexpr std::array<int, 6> firstY{90, 170, 252, 332, 414, 493};
    const int x = prison == PrisonKind::First ? 311 : 379;
    const int k = chance >= 1 && chance <= 6 ? chance : 1;
    return {x, firstY[k - 1] + 16 * (validPlayer(player) - 1)};
}

WindowPoint winIndicatorPosition(TableType table, int number) {
    if (!fieldPresent(table, BetField{BetKind::Plein, number})) {
        return WinIndicatorRest;
    }
    const BoardPoint anchor = pleinAnchor(table, number);
    return {anchor.x, anchor.y - 4};
}

ChipShape chipShape(BoardPoint anchor, int value, int textWidth) {
    const int circleLeft = anchor.x - 10;
    const int circleTop = anchor.y + 1;
    if (value < ChipRectangleFrom) {
        return {false, circleLeft, circleTop, 22, 22};
    }
    return {true, circleLeft - 3, circleTop + 2, textWidth + 10, 20};
}

} // namespace quendra
