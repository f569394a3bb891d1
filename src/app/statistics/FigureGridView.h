// A two-row grid drawn by hand: labels in navy above, figures in red below, on silver, the
// section's highest figures in bold and the red and black even chances as coloured rectangles.
// Nothing in it can be selected.
#pragma once

#ifndef Q_MOC_RUN
#include "statistics/StatisticsView.h"
#endif

#include <QFont>
#include <QWidget>

namespace quendra::app {

class FigureGridView : public QWidget {
    Q_OBJECT
public:
    explicit FigureGridView(QWidget* parent = nullptr);

    // The grid as the engine laid it out: its cells, column width, row height and place.
    void showGrid(const FigureGrid& grid);
    const FigureGrid& grid() const { return grid_; }
    // Labels are drawn in the label font; figures in the figure font, bold where marked.
    void setFonts(const QFont& label, const QFont& figure);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintGrid(QPainter& painter) const;
    QRect cellRect(int column, int row) const;
    void paintCell(QPainter& painter, int column) const;

    FigureGrid grid_;
    QFont labelFont_;
    QFont figureFont_;
};

} // namespace quendra::app
