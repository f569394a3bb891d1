// The player statistics window `TSpielerStat`: each player's course of results in the chart
// `Chartfx1`, and for the player picked in `Spieler_CB` his twelve figures in the grids
// `SpielerInfo_GR` and `SpielerInfo_GR1`; print and copy buttons.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/PlayerStatistics.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>

class QComboBox;
class QPrinter;
class QPushButton;

namespace quendra::app {

class FigureGridView;
class StatisticsChart;

class TSpielerStat : public QDialog {
    Q_OBJECT
public:
    // `printer` is the one chosen under "Drucker ..."; without one the window keeps its own.
    TSpielerStat(Game& game, QPrinter* printer = nullptr, QWidget* parent = nullptr);
    ~TSpielerStat() override;

    // Charts the players' courses and computes their results anew.
    void FormShow();
    // Prints the chart and the two grids on the printer as it is set up; returns the pages.
    int print(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showChart(const PlayerChart& chart);
    void Spieler_CBChange();
    void copyFigures();
    void Druck_ButtonClick();

    Game& game_;
    StatisticsChart* chart_ = nullptr;
    QComboBox* players_ = nullptr;
    FigureGridView* results_ = nullptr;
    FigureGridView* figures_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    PrinterChoice printer_;
};

} // namespace quendra::app
