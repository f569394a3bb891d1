// The wheel pictures: rim, number ring, pockets and cone around the engine's pocket angles, so
// that every ball position of the wheel data files lies in the pocket of its number.
#include "main/Pictures.h"
#include "table/WheelGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace quendra::app {
namespace {

// The engine names pixels; the painter's coordinates put a pixel's centre at +0.5.
const QPointF Centre(WheelCentreX + 0.5, WheelCentreY + 0.5);

QPointF onWheel(double radius, double angle) {
    return Centre + QPointF(radius * std::sin(angle), radius * std::cos(angle));
}

// Qt measures arcs in degrees counter-clockwise from three o'clock; the engine measures from the
// downward vertical, counter-clockwise on the screen too.
double qtDegrees(double angle) {
    return angle * 180.0 / std::numbers::pi - 90.0;
}

QRectF circleBox(double radius) {
    return {Centre.x() - radius, Centre.y() - radius, 2 * radius, 2 * radius};
}

// The ring segment between two radii and two angles.
QPainterPath ringSegment(double inner, double outer, double from, double to) {
    QPainterPath path(onWheel(outer, from));
    path.arcTo(circleBox(outer), qtDegrees(from), qtDegrees(to) - qtDegrees(from));
    path.lineTo(onWheel(inner, to));
    path.arcTo(circleBox(inner), qtDegrees(to), qtDegrees(from) - qtDegrees(to));
    path.closeSubpath();
    return path;
}

QColor pocketColour(TableType table, int pocket) {
    return toQColor(pocketRgb(colourOf(wheelOrder(table)[pocket - 1])));
}

void paintRim(QPainter& painter) {
    QRadialGradient wood(Centre, WheelRimRadius);
    const QColor rim = toQColor(RimColour);
    wood.setColorAt(0.84, rim.lighter(135));
    wood.setColorAt(0.93, rim);
    wood.setColorAt(1.0, rim.darker(160));
    painter.setPen(QPen(rim.darker(220), 1.2));
    painter.setBrush(wood);
    painter.drawEllipse(circleBox(WheelRimRadius - 0.6));

    // The ball track: a polished band just outside the numbers.
    const double trackOuter = (WheelRimRadius + NumberRingOuterRadius) / 2.0 + 2.0;
    QRadialGradient track(Centre, trackOuter);
    const QColor trackColour = toQColor(BallTrackColour);
    track.setColorAt(double(NumberRingOuterRadius) / trackOuter, trackColour.darker(125));
    track.setColorAt(0.97, trackColour.lighter(125));
    track.setColorAt(1.0, trackColour.darker(140));
    painter.setPen(Qt::NoPen);
    painter.setBrush(track);
    painter.drawEllipse(circleBox(trackOuter));

    // The eight deflectors on the track, upright and lying in turn.
    const QColor metal = toQColor(FretColour);
    const double trackMiddle = (NumberRingOuterRadius + trackOuter) / 2.0;
    painter.setPen(QPen(metal.darker(170), 0.6));
    for (int deflector = 0; deflector < 8; ++deflector) {
        const double angle = (deflector + 0.5) * std::numbers::pi / 4;
        const bool upright = deflector % 2 == 0;
        const double along = upright ? 2.6 : 5.0; // half its length along the track
        const double across = upright ? 4.6 : 2.6;
        const QPointF c = onWheel(trackMiddle, angle);
        const QPointF radial(std::sin(angle), std::cos(angle));
        const QPointF tangent(radial.y(), -radial.x());
        const QPointF corners[] = {c + radial * across, c + tangent * along, c - radial * across,
                                   c - tangent * along};
        QLinearGradient shine(c - tangent * along, c + tangent * along);
        shine.setColorAt(0.0, metal.lighter(150));
        shine.setColorAt(1.0, metal.darker(120));
        painter.setBrush(shine);
        painter.drawPolygon(corners, 4);
    }
}

void paintNumberRing(QPainter& painter, TableType table) {
    const auto order = wheelOrder(table);
    painter.setPen(Qt::NoPen);
    for (int pocket = 1; pocket <= pocketCount(table); ++pocket) {
        painter.setBrush(pocketColour(table, pocket));
        painter.drawPath(ringSegment(PocketRingOuterRadius, NumberRingOuterRadius,
                                     pocketStartAngle(table, pocket),
                                     pocketEndAngle(table, pocket)));
    }

    QFont font("Arial");
    font.setPixelSize(table == TableType::French ? 10 : 9);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    painter.setFont(font);
    painter.setPen(toQColor(NumberTextColour));
    for (int pocket = 1; pocket <= pocketCount(table); ++pocket) {
        const double angle = pocketCentreAngle(table, pocket);
        painter.save();
        painter.translate(onWheel(NumberTextRadius, angle));
        // The numbers stand on the ring with their tops towards the rim, as on a real wheel.
        painter.rotate(180.0 - angle * 180.0 / std::numbers::pi);
        const QString text = QString::fromStdString(numberText(order[pocket - 1]));
        painter.drawText(QRectF(-12, -7, 24, 14), Qt::AlignCenter, text);
        painter.restore();
    }
}

void paintPockets(QPainter& painter, TableType table) {
    painter.setPen(Qt::NoPen);
    for (int pocket = 1; pocket <= pocketCount(table); ++pocket) {
        // Deeper towards the cone, lit towards the rim: the pockets read as hollows.
        const QColor colour = pocketColour(table, pocket);
        QRadialGradient hollow(Centre, PocketRingOuterRadius);
        hollow.setColorAt(double(PocketRingInnerRadius) / PocketRingOuterRadius,
                          colour.darker(150));
        hollow.setColorAt(0.9, colour);
        hollow.setColorAt(1.0, colour.lighter(115));
        painter.setBrush(hollow);
        painter.drawPath(ringSegment(PocketRingInnerRadius, PocketRingOuterRadius,
                                     pocketStartAngle(table, pocket),
                                     pocketEndAngle(table, pocket)));
    }
}

void paintFrets(QPainter& painter, TableType table) {
    const QColor fret = toQColor(FretColour);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(fret, 1.0));
    for (int pocket = 1; pocket <= pocketCount(table); ++pocket) {
        const double angle = pocketStartAngle(table, pocket);
        painter.drawLine(onWheel(PocketRingInnerRadius, angle),
                         onWheel(NumberRingOuterRadius, angle));
    }
    painter.setPen(QPen(fret.darker(115), 1.4));
    for (double radius : {double(NumberRingOuterRadius), double(PocketRingOuterRadius),
                          double(PocketRingInnerRadius)}) {
        painter.drawEllipse(circleBox(radius));
    }
}

void paintCone(QPainter& painter) {
    const QColor cone = toQColor(ConeColour);
    QRadialGradient wood(Centre - QPointF(14, 18), PocketRingInnerRadius * 1.3);
    wood.setColorAt(0.0, cone.lighter(125));
    wood.setColorAt(0.7, cone);
    wood.setColorAt(1.0, cone.darker(150));
    painter.setPen(Qt::NoPen);
    painter.setBrush(wood);
    painter.drawEllipse(circleBox(PocketRingInnerRadius - 0.7));

    // The turret: four arms with knobs and a dome, in the metal of the frets.
    const QColor metal = toQColor(FretColour);
    painter.setPen(QPen(metal.darker(140), 3.2, Qt::SolidLine, Qt::RoundCap));
    const double armLength = TurretRadius * 2.6;
    for (int arm = 0; arm < 4; ++arm) {
        const double angle = std::numbers::pi / 4 + arm * std::numbers::pi / 2;
        painter.drawLine(onWheel(TurretRadius * 0.5, angle), onWheel(armLength, angle));
    }
    painter.setPen(QPen(metal.lighter(115), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (int arm = 0; arm < 4; ++arm) {
        const double angle = std::numbers::pi / 4 + arm * std::numbers::pi / 2;
        painter.drawLine(onWheel(TurretRadius * 0.5, angle), onWheel(armLength, angle));
    }
    painter.setPen(QPen(metal.darker(160), 0.8));
    for (int arm = 0; arm < 4; ++arm) {
        const double angle = std::numbers::pi / 4 + arm * std::numbers::pi / 2;
        QRadialGradient knob(onWheel(armLength, angle) - QPointF(1, 1), 4.0);
        knob.setColorAt(0.0, metal.lighter(150));
        knob.setColorAt(1.0, metal.darker(130));
        painter.setBrush(knob);
        painter.drawEllipse(onWheel(armLength, angle), 3.4, 3.4);
    }
    QRadialGradient dome(Centre - QPointF(5, 6), TurretRadius * 1.2);
    dome.setColorAt(0.0, metal.lighter(160));
    dome.setColorAt(0.6, metal);
    dome.setColorAt(1.0, metal.darker(150));
    painter.setBrush(dome);
    painter.drawEllipse(circleBox(TurretRadius));
    painter.setBrush(metal.lighter(130));
    painter.drawEllipse(circleBox(TurretRadius * 0.35));
}

} // namespace

void paintWheel(QPainter& painter, TableType table) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintRim(painter);
    paintNumberRing(painter, table);
    paintPockets(painter, table);
    paintCone(painter);
    paintFrets(painter, table);
    painter.restore();
}

QImage drawWheelPicture(TableType table) {
    QImage image(WheelPictureWidth, WheelPictureHeight, QImage::Format_RGB32);
    QPainter painter(&image);
    paintCloth(painter, image.rect());
    paintWheel(painter, table);
    return image;
}

} // namespace quendra::app
