// The table window `TStat2`: the how-often or since-when-not counters of every bet field in
// two-row grids, laid out by the engine each time it is shown; OK, print and copy buttons.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/HowOftenTable.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>
#include <QHash>

class QLabel;
class QPrinter;
class QPushButton;

namespace quendra::app {

class FigureGridView;

class TStat2 : public QDialog {
    Q_OBJECT
public:
    // `printer` is the one chosen under "Drucker ..."; without one the window keeps its own.
    TStat2(Game& game, HowOftenView view, QPrinter* printer = nullptr, QWidget* parent = nullptr);
    ~TStat2() override;

    HowOftenView view() const { return view_; }
    // The table as it is shown now.
    const HowOftenTable& table() const { return table_; }
    // Lays the window out again from the counters as they are now.
    void FormCreate();
    // Prints the table on the printer as it is set up; returns the pages printed.
    int print(QPrinter& printer);

    // The two buttons, which size the window when they reach furthest right.
    static constexpr QSize ButtonSize{90, 25};

protected:
    void showEvent(QShowEvent* event) override;

private:
    FigureGridView* gridView(const FigureGrid& grid);
    QLabel* headingLabel(const PlacedText& heading);
    void placeButton(QPushButton* button, const PlacedText& place, const QString& text);
    void Druck_Tab_ButtonClick();
    void copyTable();
    void setButtonsShown(bool shown);
    QList<QRect> sectionRects() const;
    int placeAnalysisLine();

    Game& game_;
    HowOftenView view_;
    HowOftenTable table_;
    QHash<QString, FigureGridView*> grids_;
    QHash<QString, QLabel*> headings_;
    QPushButton* ok_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLabel* line_ = nullptr;
    PrinterChoice printer_;
};

} // namespace quendra::app
