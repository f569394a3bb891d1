// The button row and size of the smaller statistics windows.
#include "statistics/StatisticsWindowFrame.h"

#include "common/AppText.h"
#include "statistics/StatisticsExport.h"

#include <QClipboard>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
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

QLabel* makeAnalysisLine(QWidget* window, StatisticsSource source) {
    if (source != StatisticsSource::Analysis) {
        return nullptr;
    }
    auto* line = new QLabel(window);
    line->setObjectName("AnalysisDescription");
    line->setWordWrap(true);
    line->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    line->setMargin(2);
    // A file name or the info line may be wanted elsewhere.
    line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return line;
}

int showAnalysisLine(QLabel* line, const GameState& state, int width) {
    if (!line) {
        return 0;
    }
    line->setText(
        qText(analysisDescription(state.permanence.analysis, state.statistics, state.language())));
    line->resize(width, line->heightForWidth(width));
    line->show();
    return line->height();
}

QRect placeAnalysisLineBelow(QLabel* line, const GameState& state, const QRect& figures) {
    if (!line) {
        return figures;
    }
    showAnalysisLine(line, state, figures.width());
    line->move(figures.left(), figures.bottom() + 1 + WindowMargin);
    return figures.united(line->geometry());
}

void putOnClipboard(const std::string& text, const GameState& state, StatisticsSource source) {
    QGuiApplication::clipboard()->setText(qText(withAnalysisDescription(
        text, source, state.permanence.analysis, state.statistics, state.language())));
}

} // namespace quendra::app
