// The frequency window `TForm_Haeufigkeit`: the most frequent fields of every section in the
// grid `Tabelle`, for the game or the analysis; OK, print and copy buttons.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/FrequencyRanking.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>

class QLabel;
class QPrinter;
class QPushButton;

namespace quendra::app {

class TextGridView;

class TForm_Haeufigkeit : public QDialog {
    Q_OBJECT
public:
    // `printer` is the one chosen under "Drucker ..."; without one the window keeps its own.
    TForm_Haeufigkeit(Game& game, StatisticsSource source, QPrinter* printer = nullptr,
                      QWidget* parent = nullptr);
    ~TForm_Haeufigkeit() override;

    // The ranking as it is shown now.
    const FrequencyWindow& ranking() const { return ranking_; }
    // Ranks the counters as they are now.
    void FormShow();
    // Prints the grid on the printer as it is set up; returns the pages printed.
    int print(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Druck_Hae_ButtonClick();
    void copyRanking();

    Game& game_;
    StatisticsSource source_;
    FrequencyWindow ranking_;
    TextGridView* table_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLabel* line_ = nullptr;
    PrinterChoice printer_;
};

} // namespace quendra::app
