// The wheel box as the game shows it: the wheel of the table in play, the ball in its pocket and
// its run from pocket to pocket; a right click throws the ball, a left click picks the number.
#pragma once

#include "main/WheelBox.h"
// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "game/Game.h"
#endif

#include <optional>

namespace quendra::app {

class WheelView : public WheelBox {
    Q_OBJECT
public:
    WheelView(quendra::Game& game, QWidget* parent = nullptr);
    ~WheelView() override;

    // The pocket the ball is drawn in (1-based), 0 before a table is shown.
    int drawnPocket() const { return drawnPocket_; }

public slots:
    // Shows the table's wheel and moves the ball on to `BallPocket`: each call during the run
    // draws one step, so only the ball's old and new places are repainted.
    void refresh();

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    quendra::WheelPoint pocketPosition(int pocket) const;
    // No cursor while the ball runs; the one before it afterwards.
    void followBallRun();

    quendra::Game& game_;
    std::optional<quendra::TableType> shownTable_;
    int drawnPocket_ = 0;
    bool cursorHidden_ = false;
};

} // namespace quendra::app
