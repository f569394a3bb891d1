// The wheel distribution's ring, drawn with the same pocket angles as the wheel picture.
#include "statistics/WheelDistributionView.h"

#include "common/AppText.h"

#include <QPainter>
#include <numbers>

namespace quendra::app {
namespace {

constexpr int NumberPointSize = 10;
constexpr QColor DarkRed{128, 0, 0};
constexpr QColor HalfGreen{0, 128, 0};
constexpr QColor Lime{0, 255, 0};
// Qt measures angles in sixteenths of a degree.
constexpr double Sixteenths = 16.0;

QColor pocketColour(Colour colour) {
    switch (colour) {
    case Colour::Red:
        return Qt::red;
    case Colour::Black:
        return Qt::black;
    case Colour::Zero:
        break;
    }
    return HalfGreen;
}

double degrees(double radians) {
    return radians * 180.0 / std::numbers::pi;
}

} // namespace

WheelDistributionView::WheelDistributionView(QWidget* parent) : QWidget(parent) {
    setObjectName("WheelDistributionView");
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void WheelDistributionView::showPicture(WheelPicture picture) {
    picture_ = std::move(picture);
    update();
}

// The engine measures from the downward vertical towards the right, which is Qt's angle less
// a quarter turn.
double WheelDistributionView::qtStartAngle(const WheelSegment& segment) {
    return degrees(segment.startAngle) - 90.0;
}

double WheelDistributionView::qtSweep(const WheelSegment& segment) {
    return degrees(segment.endAngle - segment.startAngle);
}

void WheelDistributionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont numbers = font();
    numbers.setPointSize(NumberPointSize);
    painter.setFont(numbers);
    for (const WheelSegment& segment : picture_.segments) {
        paintSegment(painter, segment);
    }
}

void WheelDistributionView::paintSegment(QPainter& painter, const WheelSegment& segment) const {
    const QPointF centre(picture_.centre.x, picture_.centre.y);
    const int start = static_cast<int>(std::lround(qtStartAngle(segment) * Sixteenths));
    const int sweep = static_cast<int>(std::lround(qtSweep(segment) * Sixteenths));
    const auto pie = [&](int radius, const QColor& fill, const QColor& outline) {
        painter.setPen(outline);
        painter.setBrush(fill);
        painter.drawPie(
            QRectF(centre.x() - radius, centre.y() - radius, 2.0 * radius, 2.0 * radius), start,
            sweep);
    };
    const QColor colour = pocketColour(segment.colour);
    pie(picture_.ringRadius, colour, colour);
    pie(picture_.backgroundRadius, Qt::white, DarkRed);
    if (segment.barRadius > 0) {
        pie(segment.barRadius, Lime, Lime);
    }
    painter.setPen(Qt::white);
    const QPointF label(segment.labelPoint.x, segment.labelPoint.y);
    painter.drawText(QRectF(label - QPointF(15, 10), QSizeF(30, 20)), Qt::AlignCenter,
                     qText(segment.label));
}

} // namespace quendra::app
