// The permanence strip: the last sixteen coups, red numbers in the left column, black ones in
// the right, the zeros and day separators across both; the newest row blinks after a coup.
#pragma once

// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "game/Game.h"
#endif

#include <QWidget>
#include <array>

class QLabel;
class QTimer;

namespace quendra::app {

class PermanenceStrip : public QWidget {
    Q_OBJECT
public:
    PermanenceStrip(quendra::Game& game, QWidget* parent = nullptr);

    // `TableZ10` to `TableZ41`.
    QLabel* TableZ(int number) const { return labels_.at(number - 10); }
    QTimer* blinkTimer() const { return tableTimer_; }

public slots:
    // Shows the strip as the game state holds it and starts the blinking of a new coup.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showLabels();
    void blinkTick();

    quendra::Game& game_;
    std::array<QLabel*, 32> labels_{};
    QTimer* tableTimer_;
};

} // namespace quendra::app
