// The extended bets window `TErw_Setzung`: the finale sums, the number-with-neighbours sums and
// the wheel series of the game in two-row grids, laid out by the engine each time it is shown;
// OK, print and copy buttons.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/ExtendedBetsStatistics.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QPrinter;
class QPushButton;

namespace quendra::app {

class FigureGridView;

class TErw_Setzung : public QDialog {
    Q_OBJECT
public:
    // `printer` is the one chosen under "Drucker ..."; without one the window keeps its own.
    explicit TErw_Setzung(Game& game, QPrinter* printer = nullptr, QWidget* parent = nullptr);
    ~TErw_Setzung() override;

    // The figures and grids as they are shown now.
    const ExtendedBetsWindow& figures() const { return window_; }
    // Computes the figures from the counters as they are now and lays the window out.
    void FormShow();
    // Prints the grids on the printer as it is set up; returns the pages printed.
    int print(QPrinter& printer);

    static constexpr QSize ButtonSize{90, 25};

protected:
    void showEvent(QShowEvent* event) override;

private:
    FigureGridView* gridView(const FigureGrid& grid);
    QLabel* headingLabel(const PlacedText& heading);
    void Erw_DruckClick();
    void copyFigures();

    Game& game_;
    ExtendedBetsWindow window_;
    QHash<QString, FigureGridView*> grids_;
    QHash<QString, QLabel*> headings_;
    QPushButton* ok_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    PrinterChoice printer_;
};

} // namespace quendra::app
