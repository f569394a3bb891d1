// The day permanence window `TTabelleTagperm`: the game's or the analysis' coups in blocks as
// high as the window allows, side by side with a horizontal scroll bar when they do not fit;
// OK, print and copy buttons below them.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/DayPermanence.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>
#include <span>

class QLabel;
class QPrinter;
class QPushButton;
class QScrollArea;

namespace quendra::app {

class DayPermanenceView;

class TTabelleTagperm : public QDialog {
    Q_OBJECT
public:
    // The entries shown are fixed as the window opens; `printer` is the one chosen under
    // "Drucker ...", without one the window keeps its own.
    TTabelleTagperm(Game& game, StatisticsSource source, QPrinter* printer = nullptr,
                    QWidget* parent = nullptr);
    ~TTabelleTagperm() override;

    DayPermanenceView* view() const { return view_; }
    QScrollArea* scrollArea() const { return scroll_; }
    // Lays the blocks out for the window's size and fills them.
    void FormShow();
    // Prints the blocks, as many side by side as a page's width holds; returns the pages.
    int print(QPrinter& printer);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void printClick();
    void copyEntries();

    Game& game_;
    StatisticsSource source_;
    std::span<const std::uint8_t> entries_;
    std::string caption_;
    DayPermanenceView* view_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLabel* line_ = nullptr;
    PrinterChoice printer_;
};

} // namespace quendra::app
