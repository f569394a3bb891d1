// The button row and size of the smaller statistics windows.
#include "statistics/StatisticsWindowFrame.h"

#include <QDialog>
#include <algorithm>

namespace quendra::app {

QPushButton* statisticsButton(QDialog* window, const char* objectName) {
    auto* button = new QPushButton(window);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

void placeButtonRow(QDialog* window, const QRect& figures,
                    std::initializer_list<QPushButton*> row) {
    const int count = static_cast<int>(row.size());
    const int rowWidth =
        count * StatisticsButtonSize.width() + (count - 1) * StatisticsButtonSpacing;
    const int width = std::max(figures.right() + 1, rowWidth + WindowMargin) + WindowMargin;
    int left = (width - rowWidth) / 2;
    const int top = figures.bottom() + 1 + WindowMargin;
    for (QPushButton* button : row) {
        button->setGeometry(QRect(QPoint(left, top), StatisticsButtonSize));
        left += StatisticsButtonSize.width() + StatisticsButtonSpacing;
    }
    window->setFixedSize(width, top + StatisticsButtonSize.height() + WindowMargin);
}

} // namespace quendra::app
