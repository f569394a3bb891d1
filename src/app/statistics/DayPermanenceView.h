// The blocks of the day permanence drawn side by side: each a heading with its coup numbers,
// the "R" and "N" header cells and a red and a black column of numbers, the zeros on green.
#pragma once

#ifndef Q_MOC_RUN
#include "statistics/DayPermanence.h"
#endif

#include <QFont>
#include <QWidget>
#include <vector>

namespace quendra::app {

class DayPermanenceView : public QWidget {
    Q_OBJECT
public:
    explicit DayPermanenceView(QWidget* parent = nullptr);

    // The blocks as the engine laid them out; the view is as large as they need.
    void showBlocks(std::vector<DayPermanenceBlock> blocks, const DayPermanenceLayout& layout);
    const std::vector<DayPermanenceBlock>& blocks() const { return blocks_; }
    const DayPermanenceLayout& layout() const { return layout_; }
    // The rectangle of row `row` (0-based) in the red or black column of a block.
    QRect cellRect(const DayPermanenceBlock& block, bool red, int row) const;
    // The font of the columns, whose size sets the row height.
    static QFont columnFont();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintBlock(QPainter& painter, const DayPermanenceBlock& block) const;

    std::vector<DayPermanenceBlock> blocks_;
    DayPermanenceLayout layout_;
};

} // namespace quendra::app
