// The wheel box: background and work picture, the ball sprite and painting from the work picture.
#include "main/WheelBox.h"

#include "main/Pictures.h"

#include <QPaintEvent>
#include <QPainter>

namespace quendra::app {

WheelBox::WheelBox(int ballMaxX, int ballMaxY, QWidget* parent)
    : QWidget(parent), ballMaxX_(ballMaxX), ballMaxY_(ballMaxY) {
    setObjectName("Kesselbox");
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(247, 249);
}

WheelBox::~WheelBox() = default;

void WheelBox::loadTable(TableType table) {
    ball_.reset();
    // The sprite combines pixels with AND and OR: both pictures stay in one 32-bit format.
    background_ =
        loadPicture(QString(wheelPictureName(table))).convertToFormat(QImage::Format_RGB32);
    work_ = background_.copy();
    ball_ = std::make_unique<TSprite>(this, background_, work_, ballMaxX_, ballMaxY_);
    ball_->Load(u"Kugel1", BallFrameSize, 3, 0, 1, BallFrameSize);
    update();
}

void WheelBox::placeBall(WheelPoint position) {
    if (!ball_) {
        return;
    }
    // A step from wherever the ball is, so that it leaves no copy behind.
    ball_->SetVelocity(position.x - ball_->x(), position.y - ball_->y());
    ball_->Draw();
    ball_->SetVelocity(0, 0);
}

void WheelBox::moveBall(WheelPoint from, WheelPoint to) {
    if (!ball_) {
        return;
    }
    ball_->SetVelocity(to.x - from.x, to.y - from.y);
    ball_->SetPos(from.x, from.y);
    ball_->Draw();
}

void WheelBox::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.drawImage(event->rect().topLeft(), work_, event->rect());
}

} // namespace quendra::app
