// The statistics windows' grids of texts.
#include "statistics/TextGridView.h"

#include "common/AppText.h"

#include <QHeaderView>
#include <algorithm>

namespace quendra::app {
namespace {

constexpr QColor Silver{192, 192, 192};
constexpr QColor HeadingFace{224, 224, 224};

} // namespace

TextGridView::TextGridView(const QString& objectName, QWidget* parent) : QTableWidget(parent) {
    setObjectName(objectName);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Silver);
    setPalette(colours);
}

void TextGridView::setCells(const std::vector<std::vector<std::string>>& rows) {
    setRowCount(static_cast<int>(rows.size()));
    setColumnCount(rows.empty() ? 0 : static_cast<int>(rows.front().size()));
    for (int r = 0; r < rowCount(); ++r) {
        const auto& row = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem* cell = item(r, c);
            if (!cell) {
                cell = new QTableWidgetItem;
                cell->setFlags(Qt::ItemIsEnabled);
                cell->setTextAlignment(Qt::AlignCenter);
                if (r == 0 || c == 0) {
                    cell->setBackground(HeadingFace);
                }
                setItem(r, c, cell);
            }
            cell->setText(qText(row[static_cast<std::size_t>(c)]));
        }
    }
}

QString TextGridView::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? cell->text() : QString();
}

void TextGridView::setColumnWidths(int headingWidth, int cellWidth) {
    for (int c = 0; c < columnCount(); ++c) {
        setColumnWidth(c, c == 0 ? headingWidth : cellWidth);
    }
}

void TextGridView::setRowHeights(int height) {
    for (int r = 0; r < rowCount(); ++r) {
        setRowHeight(r, height);
    }
}

int TextGridView::widestHeading() const {
    int widest = 0;
    for (int r = 0; r < rowCount(); ++r) {
        widest = std::max(widest, fontMetrics().horizontalAdvance(cellText(r, 0)));
    }
    return widest;
}

int TextGridView::widestCell() const {
    int widest = 0;
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 1; c < columnCount(); ++c) {
            widest = std::max(widest, fontMetrics().horizontalAdvance(cellText(r, c)));
        }
    }
    return widest;
}

QSize TextGridView::cellsSize() const {
    int width = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c) {
        width += columnWidth(c);
    }
    int height = 2 * frameWidth();
    for (int r = 0; r < rowCount(); ++r) {
        height += rowHeight(r);
    }
    return {width, height};
}

} // namespace quendra::app
