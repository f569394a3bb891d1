// The follow-number window `TForm_FolgeZahlen`: the three most frequent followers of every
// number in the grids `FirstTable` (0 to 18) and `SecondTable` (19 upward), for the game or the
// analysis; OK, print and copy buttons.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/FollowNumbers.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>

class QLabel;
class QPrinter;
class QPushButton;

namespace quendra::app {

class TextGridView;

class TForm_FolgeZahlen : public QDialog {
    Q_OBJECT
public:
    // `printer` is the one chosen under "Drucker ..."; without one the window keeps its own.
    TForm_FolgeZahlen(Game& game, StatisticsSource source, QPrinter* printer = nullptr,
                      QWidget* parent = nullptr);
    ~TForm_FolgeZahlen() override;

    // The follow numbers as they are shown now.
    const FollowNumbersWindow& followNumbers() const { return window_; }
    // Counts the followers in the history as it is now.
    void FormShow();
    // Prints both grids on the printer as it is set up; returns the pages printed.
    int print(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showTable(TextGridView* grid, const std::vector<FollowNumbersLine>& lines, int height);
    void Druck_FZ_ButtonClick();
    void copyFollowNumbers();

    Game& game_;
    StatisticsSource source_;
    FollowNumbersWindow window_;
    TextGridView* first_ = nullptr;
    TextGridView* second_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLabel* line_ = nullptr;
    PrinterChoice printer_;
};

} // namespace quendra::app
