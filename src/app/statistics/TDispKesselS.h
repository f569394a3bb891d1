// The wheel distribution window `TDispKesselS`: how often each pocket won as bars around the
// wheel, with the counts by number and the four quadrant sums; static, or replaying the history
// on the timer `StartDyn` with `DynStartBu` and the delay `DynTimer`.
#pragma once

#ifndef Q_MOC_RUN
#include "game/Game.h"
#include "statistics/WheelDistribution.h"
#endif

#include "statistics/StatisticsPrint.h"

#include <QDialog>
#include <QHash>
#include <array>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QTimer;

namespace quendra::app {

class WheelDistributionView;

class TDispKesselS : public QDialog {
    Q_OBJECT
public:
    // `printer` is the one chosen under "Drucker ..."; without one the window keeps its own.
    TDispKesselS(Game& game, StatisticsSource source, bool dynamic, QPrinter* printer = nullptr,
                 QWidget* parent = nullptr);
    ~TDispKesselS() override;

    bool dynamic() const { return dynamic_; }
    const WheelReplay& replay() const { return *replay_; }
    const WheelPicture& picture() const;
    // Labels, figures and the replay as the window opens.
    void FormShow();
    // Prints the window without its buttons; returns the pages printed.
    int print(QPrinter& printer);

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void buildControls();
    void fillLabels();
    void showFigures();
    QLabel* label(const PlacedText& placed);
    void DynStartBuClick();
    void StartDynTimer();
    void DynTimerChange();
    void BuDruckClick();
    void copyFigures();
    std::array<std::int32_t, DoubleZero + 1> shownCounts() const;
    QList<QWidget*> buttons() const;

    Game& game_;
    StatisticsSource source_;
    bool dynamic_;
    std::optional<WheelReplay> replay_;
    WheelDistributionView* view_ = nullptr;
    QHash<QString, QLabel*> labels_;
    std::array<QLabel*, QuadrantCount> quadrantLabels_{};
    std::array<QLineEdit*, QuadrantCount> quadrantSums_{};
    QPushButton* ok_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    QLabel* line_ = nullptr;
    QPushButton* start_ = nullptr;
    QComboBox* delay_ = nullptr;
    QLabel* delayLabel_ = nullptr;
    QTimer* timer_ = nullptr;
    PrinterChoice printer_;
};

} // namespace quendra::app
