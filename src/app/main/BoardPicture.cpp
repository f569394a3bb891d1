// The betting board pictures: every field painted on the rectangles of the board layout, the
// white lines through the bands between them where the chevals, carrés and transversales lie.
#include "main/BoardLayout.h"
#include "main/Pictures.h"
#include "table/BoardGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <array>

namespace quendra::app {
namespace {

const QColor LineColour(240, 238, 224);
constexpr int LineWidth = 2;

// The white lines of the number grid, derived from the fields: each line runs through the
// middle of the band between two fields, so a chip on a line sits where the hit test finds the
// cheval, carré or transversale. The left edge keeps clear of the first column, which has no
// band on its outer side.
struct GridLines {
    std::array<int, 4> verticals{};    // left edge, the two lines between the columns, right edge
    std::array<int, 13> horizontals{}; // zero line, the eleven lines between rows, bottom edge
    int columnsBottom = 0;
};

int middle(int lowEnd, int highStart) {
    return (lowEnd + highStart + 1) / 2;
}

GridLines gridLines(const BoardLayout& layout) {
    GridLines grid;
    const auto& n = layout.numbers;
    grid.verticals = {n[1].left() - 3, middle(n[1].right(), n[2].left()),
                      middle(n[2].right(), n[3].left()), layout.outerEdge.center().x()};
    grid.horizontals[0] = middle(layout.zero.back().bottom(), n[1].top());
    for (int row = 1; row < 12; ++row) {
        grid.horizontals[row] = middle(n[3 * row].bottom(), n[3 * row + 1].top());
    }
    grid.horizontals[12] = middle(n[36].bottom(), layout.columns[0].top());
    grid.columnsBottom =
        layout.columns[0].bottom() + (layout.columns[0].top() - grid.horizontals[12]);
    return grid;
}

// The grid line nearest to y: the boxes right of the grid share its lines.
int nearestLine(const GridLines& grid, int y) {
    int best = grid.horizontals[0];
    for (int line : grid.horizontals) {
        if (std::abs(line - y) < std::abs(best - y)) {
            best = line;
        }
    }
    return best;
}

void verticalLine(QPainter& painter, int x, int top, int bottom) {
    painter.fillRect(QRect(x, top, LineWidth, bottom - top + 1), LineColour);
}

void horizontalLine(QPainter& painter, int y, int left, int right) {
    painter.fillRect(QRect(left, y - 1, right - left + LineWidth, LineWidth), LineColour);
}

// A box of lines around a field: its sides at the given x, its top and bottom on grid lines.
void boxAround(QPainter& painter, int left, int right, int top, int bottom) {
    horizontalLine(painter, top, left, right);
    horizontalLine(painter, bottom, left, right);
    verticalLine(painter, left, top - 1, bottom);
    verticalLine(painter, right, top - 1, bottom);
}

QFont numberFont(int pixelSize) {
    QFont font("Times New Roman");
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QFont labelFont(int pixelSize) {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

// White text with a soft dark shadow, centred in the box.
void label(QPainter& painter, const QRectF& box, const QString& text, const QFont& font,
           const QColor& colour = Qt::white) {
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(box.translated(1, 1), Qt::AlignCenter, text);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, text);
}

QColor numberColour(int number) {
    return toQColor(pocketRgb(colourOf(number)));
}

// A field in its colour, lit from above, exactly on its pixels.
QBrush fieldBrush(const QColor& colour, const QRectF& box) {
    QLinearGradient light(box.topLeft(), box.bottomLeft());
    light.setColorAt(0.0, colour.lighter(125));
    light.setColorAt(0.5, colour);
    light.setColorAt(1.0, colour.darker(125));
    return light;
}

void paintNumbers(QPainter& painter, const BoardLayout& layout) {
    for (int number = 1; number <= 36; ++number) {
        const QRectF box = layout.numbers[number];
        painter.setPen(Qt::NoPen);
        painter.setBrush(fieldBrush(numberColour(number), box));
        painter.drawRoundedRect(box, 3, 3);
        label(painter, box.adjusted(0, 1, 0, 1), QString::number(number), numberFont(18));
    }
}

// The outline of a zero: a smooth arch through the outer corners of its strips, closed by
// straight sides down to the zero line.
QPainterPath zeroArch(const std::vector<QRect>& strips, int left, int right, int base) {
    // The side lines are two pixels wide from their x; the arch runs along their middle.
    const double leftSide = left + 1.0;
    const double rightSide = right + 1.0;
    std::vector<QPointF> points{{leftSide, double(base)}, {leftSide, double(strips.back().top())}};
    for (std::size_t i = strips.size() - 1; i-- > 0;) {
        points.emplace_back(strips[i].left() - 0.5, strips[i].top() - 0.5);
    }
    for (std::size_t i = 0; i + 1 < strips.size(); ++i) {
        points.emplace_back(strips[i].right() + 1.5, strips[i].top() - 0.5);
    }
    points.emplace_back(rightSide, strips.back().top());
    points.emplace_back(rightSide, base);

    // Catmull-Rom through the corners, as cubic pieces.
    QPainterPath path(points.front());
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const QPointF p0 = points[i == 0 ? 0 : i - 1];
        const QPointF p1 = points[i];
        const QPointF p2 = points[i + 1];
        const QPointF p3 = points[std::min(i + 2, points.size() - 1)];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    return path;
}

void paintZero(QPainter& painter, const std::vector<QRect>& strips, int left, int right, int base,
               const QString& text) {
    const QPainterPath arch = zeroArch(strips, left, right, base);
    const QRectF box = arch.boundingRect();
    painter.setBrush(fieldBrush(toQColor(PocketGreen), box));
    painter.setPen(QPen(LineColour, LineWidth));
    painter.drawPath(arch);
    const QRect bottom = strips.back();
    label(painter, QRectF(bottom.left(), box.top() + 2, bottom.width(), base - box.top() - 4), text,
          numberFont(22));
}

void paintZeros(QPainter& painter, const BoardLayout& layout, const GridLines& grid) {
    const int left = grid.verticals[0];
    const int right = grid.verticals[3];
    const int base = grid.horizontals[0];
    if (layout.doubleZero.empty()) {
        paintZero(painter, layout.zero, left, right, base, "0");
        return;
    }
    const int split = middle(layout.zero.back().right(), layout.doubleZero.back().left());
    paintZero(painter, layout.zero, left, split, base, "0");
    paintZero(painter, layout.doubleZero, split, right, base, "00");
}

void paintGrid(QPainter& painter, const GridLines& grid) {
    // The outer edges run on along the columns; paintColumns separates those.
    const int top = grid.horizontals.front();
    for (std::size_t i = 0; i < grid.verticals.size(); ++i) {
        const bool outer = i == 0 || i + 1 == grid.verticals.size();
        verticalLine(painter, grid.verticals[i], top - 1,
                     outer ? grid.columnsBottom : grid.horizontals.back());
    }
    for (int y : grid.horizontals) {
        horizontalLine(painter, y, grid.verticals.front(), grid.verticals.back());
    }
    horizontalLine(painter, grid.columnsBottom, grid.verticals.front(), grid.verticals.back());
}

void paintDozens(QPainter& painter, const BoardLayout& layout, const GridLines& grid,
                 TableType table) {
    const std::array<QString, 3> french{"P12", "M12", "D12"};
    const std::array<QString, 3> american{"1st 12", "2nd 12", "3rd 12"};
    for (int dozen = 0; dozen < 3; ++dozen) {
        const QRect field = layout.dozens[dozen];
        const int top = nearestLine(grid, field.top());
        const int bottom = nearestLine(grid, field.bottom());
        boxAround(painter, field.left() - 3, field.right() + 2, top, bottom);
        const QString& text = table == TableType::French ? french[dozen] : american[dozen];
        label(painter, QRectF(field.left(), top, field.width(), bottom - top), text,
              labelFont(table == TableType::French ? 17 : 13));
    }
}

void paintDiamond(QPainter& painter, const QRectF& box, const QColor& colour) {
    const QPointF c = box.center();
    const double w = box.width() / 2;
    const double h = box.height() / 2;
    const QPointF corners[] = {
        {c.x(), c.y() - h}, {c.x() + w, c.y()}, {c.x(), c.y() + h}, {c.x() - w, c.y()}};
    painter.setPen(QPen(toQColor(FretColour), 1.2));
    painter.setBrush(fieldBrush(colour, box));
    painter.drawPolygon(corners, 4);
}

// Text turned to read upwards, centred in the box: the labels run along the tall, narrow
// boxes of the even chances, between the players' chips at the corners.
void upwardLabel(QPainter& painter, const QRectF& box, const QString& text, const QFont& font) {
    painter.save();
    painter.translate(box.center());
    painter.rotate(-90);
    label(painter, QRectF(-box.height() / 2, -box.width() / 2, box.height(), box.width()), text,
          font);
    painter.restore();
}

void paintEvenChances(QPainter& painter, const BoardLayout& layout, const GridLines& grid) {
    const std::array<QString, 6> labels{"1-18", "EVEN", "ROT", "SCHWARZ", "ODD", "19-36"};
    for (int chance = 0; chance < 6; ++chance) {
        const QRect field = layout.evenChances[chance];
        const int top = nearestLine(grid, field.top());
        const int bottom = nearestLine(grid, field.bottom());
        boxAround(painter, field.left() - 3, field.right() + 2, top, bottom);
        const QRectF inner(field.left(), top + 1, field.width(), bottom - top);
        if (chance + 1 == Rouge || chance + 1 == Noir) {
            const QColor colour = toQColor(chance + 1 == Rouge ? PocketRed : PocketBlack);
            const QSizeF size(28, inner.height() - 12);
            paintDiamond(painter,
                         QRectF(inner.center() - QPointF(size.width(), size.height()) / 2, size),
                         colour);
        }
        upwardLabel(painter, inner, labels[chance], labelFont(chance + 1 == Noir ? 12 : 14));
    }
}

// The columns lie only a pixel apart: their separators are as wide as the gap between them, at
// most a full line.
void paintColumns(QPainter& painter, const BoardLayout& layout, const GridLines& grid) {
    for (int column = 1; column < 3; ++column) {
        const int gapLeft = layout.columns[column - 1].right() + 1;
        const int gapWidth = std::min(layout.columns[column].left() - gapLeft, LineWidth);
        painter.fillRect(QRect(gapLeft, grid.horizontals.back(), gapWidth,
                               grid.columnsBottom - grid.horizontals.back() + 1),
                         LineColour);
    }
}

void paintColumnLabels(QPainter& painter, const BoardLayout& layout) {
    for (const QRect& column : layout.columns) {
        label(painter, QRectF(column).adjusted(0, 1, 0, 1), "2:1", labelFont(14));
    }
}

void paintShading(QPainter& painter) {
    QRadialGradient lamp(QPointF(BoardWidth * 0.4, BoardHeight * 0.4), BoardHeight * 0.75);
    lamp.setColorAt(0.0, QColor(255, 255, 230, 28));
    lamp.setColorAt(0.7, QColor(0, 0, 0, 0));
    lamp.setColorAt(1.0, QColor(0, 0, 0, 90));
    painter.fillRect(QRect(0, 0, BoardWidth, BoardHeight), lamp);
}

void paintName(QPainter& painter, const GridLines& grid) {
    QFont font("Times New Roman");
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(22);
    font.setBold(true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 6);
    painter.setFont(font);
    painter.setPen(QColor(222, 186, 92, 150));
    painter.drawText(QRect(grid.verticals.front(), grid.columnsBottom + 10,
                           grid.verticals.back() - grid.verticals.front(), 32),
                     Qt::AlignCenter, "QUENDRA");
}

} // namespace

QImage drawBoardPicture(TableType table) {
    QImage image(BoardWidth, BoardHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintCloth(painter, image.rect());
    paintShading(painter);

    const BoardLayout layout = boardLayout(table);
    const GridLines grid = gridLines(layout);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintZeros(painter, layout, grid);
    painter.setRenderHint(QPainter::Antialiasing, false);
    paintGrid(painter, grid);
    paintColumns(painter, layout, grid);
    painter.setRenderHint(QPainter::Antialiasing);
    paintNumbers(painter, layout);
    paintColumnLabels(painter, layout);
    paintDozens(painter, layout, grid, table);
    paintEvenChances(painter, layout, grid);
    paintName(painter, grid);
    return image;
}

} // namespace quendra::app
