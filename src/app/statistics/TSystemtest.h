// The window `TSystemtest`: many sessions of the system players of the system-play menu, played
// on worker threads while the window stays responsive, with a progress bar, cancel, the table of
// figures and the histogram of the first system player's results.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "sessions/GameSessions.h"
#include "sessions/SessionRecord.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>
#include <atomic>
#include <memory>

class QLabel;
class QLineEdit;
class QPrinter;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QThread;

namespace quendra::app {

class StatisticsChart;

class TSystemtest : public QDialog {
    Q_OBJECT
public:
    TSystemtest(Game& game, QPrinter* printer = nullptr, QWidget* parent = nullptr);
    ~TSystemtest() override;

    // Starts a run with the values of the fields; ignored while one runs.
    void StartButtonClick();
    // Asks the run to stop: the sessions under way are finished, the figures shown.
    void CancelButtonClick();
    bool running() const { return worker_ != nullptr; }
    const SessionRun& run() const { return run_; }
    int print(QPrinter& printer);

signals:
    void finished();

private:
    QSpinBox* spinBox(const char* name, int lowest, int highest, int value);
    void runFinished();
    void showFigures();
    void showHistogram();
    void retranslate();

    Game& game_;
    GameSessionSetup setup_;
    SessionRun run_;
    std::atomic<bool> cancel_{false};
    std::atomic<std::uint64_t> done_{0};
    QThread* worker_ = nullptr;
    QSpinBox* sessions_ = nullptr;
    QSpinBox* coups_ = nullptr;
    QSpinBox* goal_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QPushButton* start_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* save_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* figures_ = nullptr;
    StatisticsChart* chart_ = nullptr;
    PrinterChoice printer_;
};

} // namespace quendra::app
