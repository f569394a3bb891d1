// The day permanence's blocks, painted only where they are visible: a long history has
// thousands of them.
#include "statistics/DayPermanenceView.h"

#include "common/AppText.h"
#include "statistics/LayoutGeometry.h"

#include <QPaintEvent>
#include <QPainter>

namespace quendra::app {
namespace {

constexpr int ColumnPointSize = 10;
constexpr int HeadingPointSize = 8;
constexpr QColor Green{0, 128, 0};
// Room right of the last block.
constexpr int RightMargin = 20;

void paintHeader(QPainter& painter, const QRect& rect, const QColor& colour, const QString& text) {
    painter.fillRect(rect, colour);
    painter.setPen(Qt::white);
    painter.drawText(rect, Qt::AlignCenter, text);
}

} // namespace

DayPermanenceView::DayPermanenceView(QWidget* parent) : QWidget(parent) {
    setObjectName("DayPermanenceView");
    setAutoFillBackground(true);
}

QFont DayPermanenceView::columnFont() {
    QFont font;
    font.setPointSize(ColumnPointSize);
    return font;
}

void DayPermanenceView::showBlocks(std::vector<DayPermanenceBlock> blocks,
                                   const DayPermanenceLayout& layout) {
    blocks_ = std::move(blocks);
    layout_ = layout;
    const DayPermanenceBlock& last = blocks_.back();
    resize(last.blackColumn.right() + RightMargin, last.blackColumn.bottom() + 1);
    update();
}

QRect DayPermanenceView::cellRect(const DayPermanenceBlock& block, bool red, int row) const {
    const QRect column = qRect(red ? block.redColumn : block.blackColumn);
    // Each row keeps one pixel below it free, where a grid would draw its line.
    return {column.left(), column.top() + row * (layout_.rowHeight + 1), column.width(),
            layout_.rowHeight};
}

void DayPermanenceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect exposed = event->rect();
    for (const DayPermanenceBlock& block : blocks_) {
        const QRect area = qRect(block.headingLabel).united(qRect(block.blackColumn));
        if (area.intersects(exposed)) {
            paintBlock(painter, block);
        }
    }
}

void DayPermanenceView::paintBlock(QPainter& painter, const DayPermanenceBlock& block) const {
    QFont heading;
    heading.setPointSize(HeadingPointSize);
    painter.setFont(heading);
    painter.setPen(Qt::black);
    painter.drawText(qRect(block.headingLabel), Qt::AlignLeft | Qt::AlignVCenter,
                     qText(block.heading));

    painter.setFont(columnFont());
    paintHeader(painter, qRect(block.redHeader), Qt::red, "R");
    paintHeader(painter, qRect(block.blackHeader), Qt::black, "N");
    painter.fillRect(qRect(block.redColumn), Qt::white);
    painter.fillRect(qRect(block.blackColumn), Qt::white);
    for (int row = 0; row < static_cast<int>(block.rows.size()); ++row) {
        const DayPermanenceRow& entry = block.rows[static_cast<std::size_t>(row)];
        for (const bool red : {true, false}) {
            const QRect cell = cellRect(block, red, row);
            if (entry.green) {
                painter.fillRect(cell, Green);
            }
            painter.setPen(entry.green ? Qt::white : red ? Qt::red : Qt::black);
            painter.drawText(cell, Qt::AlignCenter, qText(red ? entry.red : entry.black));
        }
    }
}

} // namespace quendra::app
