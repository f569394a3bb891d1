// A read-only grid of texts: the first row and column are fixed headings, the other cells
// centred on silver. Nothing in it can be edited or selected.
#pragma once

#include <QTableWidget>
#include <string>
#include <vector>

namespace quendra::app {

class TextGridView : public QTableWidget {
    Q_OBJECT
public:
    explicit TextGridView(const QString& objectName, QWidget* parent = nullptr);

    // Rows of cells, the headings included; every row has the same number of cells.
    void setCells(const std::vector<std::vector<std::string>>& rows);
    QString cellText(int row, int column) const;
    // The heading column's width and the width shared by the other columns; the grid's size
    // follows its cells.
    void setColumnWidths(int headingWidth, int cellWidth);
    void setRowHeights(int height);
    // The widest text of the heading column and of the other cells, in the grid's font.
    int widestHeading() const;
    int widestCell() const;
    // The size that shows every cell without scrolling.
    QSize cellsSize() const;
};

} // namespace quendra::app
