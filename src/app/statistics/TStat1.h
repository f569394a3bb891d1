// The graph window `TStat1`: one section of the how-often or since-when-not counters in the
// charts `Chart1` and `Chart2` with their common scale, and the speed buttons that choose the
// chart style of both.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/HowOftenGraph.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>

class QLabel;
class QPrinter;
class QToolButton;

namespace quendra::app {

class StatisticsChart;

class TStat1 : public QDialog {
    Q_OBJECT
public:
    // `printer` is the one chosen under "Drucker ..."; without one the window keeps its own.
    TStat1(Game& game, GraphKind kind, QPrinter* printer = nullptr, QWidget* parent = nullptr);
    ~TStat1() override;

    const HowOftenGraph& graph() const { return graph_; }
    const ChartStyle& style() const { return style_; }
    // Reads the counters and draws the charts in the window's size.
    void FormCreate();
    // Prints the charts on the printer as it is set up; returns the pages printed.
    int print(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QToolButton* speedButton(const char* name, bool checkable);
    void placeCharts();
    void DiagrammeAnz(StatisticsChart* chart, const GraphChart& data);
    // Every style button reads the style and both charts are drawn again.
    void applyStyle();
    void Print_ButtonClick();

    Game& game_;
    GraphKind kind_;
    HowOftenGraph graph_;
    ChartStyle style_;
    StatisticsChart* chart1_ = nullptr;
    StatisticsChart* chart2_ = nullptr;
    QToolButton* print_ = nullptr;
    QToolButton* bar_ = nullptr;
    QToolButton* line_ = nullptr;
    QToolButton* smoothed_ = nullptr;
    QToolButton* horizontal_ = nullptr;
    QToolButton* vertical_ = nullptr;
    QToolButton* threeD_ = nullptr;
    QLabel* description_ = nullptr;
    QSize minimum_;
    PrinterChoice printer_;
};

} // namespace quendra::app
