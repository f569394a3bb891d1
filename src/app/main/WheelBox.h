// The wheel box `Kesselbox`: the wheel picture of the table in play with the ball sprite on it.
#pragma once

#include "main/TSprite.h"
// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "table/BetField.h"
#include "table/WheelGeometry.h"
#endif

#include <QImage>
#include <QWidget>
#include <memory>

namespace quendra::app {

class WheelBox : public QWidget {
    Q_OBJECT
public:
    // The ball wraps at the given bounds (the main window's client size).
    WheelBox(int ballMaxX, int ballMaxY, QWidget* parent = nullptr);
    ~WheelBox() override;

    // Shows the wheel of the table and makes a new ball sprite "Kugel1" for it; the ball is
    // not on the wheel until it is placed.
    void loadTable(TableType table);

    // The ball sprite of the wheel; null before the first table is loaded.
    TSprite* ball() { return ball_.get(); }
    // Puts the ball at a position of the wheel picture (a ball position of a pocket record).
    void placeBall(WheelPoint position);
    // One step of the ball run: from one position to the next, repainting only those two.
    void moveBall(WheelPoint from, WheelPoint to);

    // What the box shows: the wheel with the ball.
    const QImage& shownPicture() const { return work_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int ballMaxX_;
    int ballMaxY_;
    QImage background_;
    QImage work_;
    std::unique_ptr<TSprite> ball_;
};

} // namespace quendra::app
