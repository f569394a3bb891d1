// The lamp drawn as a lit or dark disc.
#include "permanence/SignalLamp.h"

#include <QPainter>

namespace quendra::app {
namespace {

QColor lampColour(Lamp lamp) {
    switch (lamp) {
    case Lamp::Green:
        return QColor(0, 200, 0);
    case Lamp::YellowBlinking:
        return QColor(255, 220, 0);
    case Lamp::Red:
        break;
    }
    return QColor(220, 0, 0);
}

} // namespace

SignalLamp::SignalLamp(QWidget* parent) : QWidget(parent) {
    setFixedSize(sizeHint());
    blink_.setInterval(BlinkMilliseconds);
    connect(&blink_, &QTimer::timeout, this, [this] {
        lit_ = !lit_;
        update();
    });
}

void SignalLamp::setLamp(Lamp lamp) {
    if (lamp == lamp_) {
        return;
    }
    lamp_ = lamp;
    lit_ = true;
    if (lamp == Lamp::YellowBlinking) {
        blink_.start();
    } else {
        blink_.stop();
    }
    update();
}

void SignalLamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor colour = lampColour(lamp_);
    painter.setPen(QPen(colour.darker(200), 1));
    painter.setBrush(lit_ ? colour : colour.darker(300));
    const QRectF disc((width() - Diameter) / 2.0, (height() - Diameter) / 2.0, Diameter, Diameter);
    painter.drawEllipse(disc);
}

} // namespace quendra::app
