// The one printing routine of the statistics windows: a header line naming what is printed, then
// the window's pieces one below the other at the page's width, a new page wherever the next
// piece no longer fits.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/StatisticsView.h"
#endif

#include <QList>
#include <QRectF>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace quendra::app {

// One piece of a printout: a table section or a chart, drawn into the rectangle it is given.
struct PrintBand {
    QSizeF size; // its size on screen; the page scales it
    std::function<void(QPainter&, const QRectF&)> paint;
};

// A band that draws part of a window as it is on screen, its controls included.
PrintBand widgetBand(QWidget* window, const QRect& part);

// The header of a printout of the window with this caption: table type and the date of the
// game's clock; for the analysis' figures a second line says what they count.
QString printHeader(Game& game, std::string_view caption,
                    StatisticsSource source = StatisticsSource::Game);

// The printer a window prints on: the one chosen under "Drucker ...", or without one a printer
// of the window's own.
class PrinterChoice {
public:
    explicit PrinterChoice(QPrinter* chosen);
    ~PrinterChoice();
    QPrinter& printer() { return *chosen_; }

private:
    std::unique_ptr<QPrinter> own_;
    QPrinter* chosen_;
};

// Asks for the printer and its settings; true when the user confirmed.
bool confirmPrint(QWidget* parent, QPrinter& printer);

// A print button's action: the window's buttons hide while the print dialog is open and while
// `print` runs on confirmation; then they come back and `ok` takes the focus.
void printOnConfirmation(QWidget* window, QPrinter& printer, const QList<QWidget*>& buttons,
                         QWidget* ok, const std::function<void(QPrinter&)>& print);

// Prints the bands below the header, whose lines are parted by "\n", and returns the number of
// pages. All bands share one
// scale, which makes the widest fill the page width; a band taller than a page shrinks to fit.
int printBands(QPrinter& printer, const QString& header, const QList<PrintBand>& bands);

} // namespace quendra::app
