// The statistics windows' two-row grids.
#include "statistics/FigureGridView.h"

#include "common/AppText.h"
#include "statistics/LayoutGeometry.h"

#include <QPainter>

namespace quendra::app {
namespace {

// The grid's outer border; the cells start inside it.
constexpr int Border = 1;
constexpr int MarkInset = 2;
constexpr QColor Navy{0, 0, 128};
constexpr QColor Silver{192, 192, 192};

} // namespace

FigureGridView::FigureGridView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void FigureGridView::showGrid(const FigureGrid& grid) {
    grid_ = grid;
    setObjectName(qText(grid.name));
    setProperty("tag", grid.tag);
    setGeometry(qRect(grid.rect));
    setVisible(grid.visible);
    update();
}

void FigureGridView::setFonts(const QFont& label, const QFont& figure) {
    labelFont_ = label;
    figureFont_ = figure;
    update();
}

QRect FigureGridView::cellRect(int column, int row) const {
    return {Border + column * (grid_.columnWidth + 1), Border + row * (grid_.rowHeight + 1),
            grid_.columnWidth, grid_.rowHeight};
}

void FigureGridView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintGrid(painter);
}

void FigureGridView::paintGrid(QPainter& painter) const {
    // The grid's lines show through the one-pixel gaps left around each cell.
    painter.fillRect(QRect(0, 0, grid_.rect.width, grid_.rect.height), Qt::gray);
    const int columns = static_cast<int>(grid_.cells.size());
    for (int column = 0; column < columns; ++column) {
        paintCell(painter, column);
    }
}

void FigureGridView::paintCell(QPainter& painter, int column) const {
    const FigureCell& cell = grid_.cells[static_cast<std::size_t>(column)];
    const QRect labelCell = cellRect(column, 0);
    const QRect figureCell = cellRect(column, 1);
    painter.fillRect(labelCell, Silver);
    painter.fillRect(figureCell, Silver);
    if (grid_.mark != LabelMark::None) {
        painter.fillRect(labelCell.adjusted(MarkInset, MarkInset, -MarkInset, -MarkInset),
                         grid_.mark == LabelMark::Red ? Qt::red : Qt::black);
    } else {
        painter.setFont(labelFont_);
        painter.setPen(Navy);
        painter.drawText(labelCell, Qt::AlignCenter, qText(cell.label));
    }
    QFont figure = figureFont_;
    figure.setBold(cell.bold);
    painter.setFont(figure);
    painter.setPen(Qt::red);
    painter.drawText(figureCell, Qt::AlignCenter, qText(cell.value));
}

} // namespace quendra::app
