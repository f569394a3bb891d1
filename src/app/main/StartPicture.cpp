// The start picture and the program picture of the about box: the wheel on cloth with the
// product name.
#include "game/Version.h"
#include "main/Pictures.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace quendra::app {
namespace {

const QColor Gold(222, 186, 92);
const QColor DeepGold(150, 110, 38);

// The wheel scaled so that its rim has the given radius around the given centre.
void paintWheelAt(QPainter& painter, QPointF centre, double rimRadius, TableType table) {
    painter.save();
    const double scale = rimRadius / WheelRimRadius;
    painter.translate(centre);
    painter.scale(scale, scale);
    painter.translate(-(WheelCentreX + 0.5), -(WheelCentreY + 0.5));
    paintWheel(painter, table);
    painter.restore();
}

// A soft shadow under the wheel, so that it lies on the cloth.
void paintWheelShadow(QPainter& painter, QPointF centre, double rimRadius) {
    QRadialGradient shadow(centre + QPointF(4, 6), rimRadius * 1.12);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 110));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow);
    painter.drawEllipse(centre + QPointF(4, 6), rimRadius * 1.12, rimRadius * 1.12);
}

void paintBall(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient ivory(centre - QPointF(radius * 0.4, radius * 0.45), radius * 1.3);
    ivory.setColorAt(0.0, Qt::white);
    ivory.setColorAt(0.5, QColor(232, 230, 222));
    ivory.setColorAt(1.0, QColor(120, 118, 110));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ivory);
    painter.drawEllipse(centre, radius, radius);
}

// Text with a dark drop shadow and a gold face.
void paintEngraved(QPainter& painter, const QRectF& box, const QFont& font, const QString& text,
                   const QColor& face) {
    painter.setFont(font);
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawText(box.translated(2, 2), Qt::AlignCenter, text);
    painter.setPen(face);
    painter.drawText(box, Qt::AlignCenter, text);
}

// The largest serif capitals up to 48 pixels that keep the text within the width, whatever
// serif face the system offers.
QFont fittingTitleFont(const QString& text, double width) {
    QFont font("Times New Roman");
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    for (int size = 48; size > 12; --size) {
        font.setPixelSize(size);
        font.setLetterSpacing(QFont::AbsoluteSpacing, size / 12.0);
        if (QFontMetricsF(font).horizontalAdvance(text) <= width) {
            break;
        }
    }
    return font;
}

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

QImage drawStartPicture() {
    QImage image(520, 316, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintCloth(painter, image.rect());

    // Light from the upper left over the cloth, darker towards the edges.
    QRadialGradient lamp(QPointF(200, 120), 420);
    lamp.setColorAt(0.0, QColor(255, 255, 220, 40));
    lamp.setColorAt(0.6, QColor(0, 0, 0, 0));
    lamp.setColorAt(1.0, QColor(0, 0, 0, 130));
    painter.fillRect(image.rect(), lamp);

    const QPointF wheelCentre(158, 158);
    constexpr double WheelRadius = 136;
    paintWheelShadow(painter, wheelCentre, WheelRadius);
    paintWheelAt(painter, wheelCentre, WheelRadius, TableType::French);
    // The ball resting in the zero's pocket.
    const double scale = WheelRadius / WheelRimRadius;
    const WheelPoint ball = ballPosition(TableType::French, 19);
    const QPointF ballCentre((ball.x + BallFrameSize / 2.0 - WheelCentreX - 0.5) * scale,
                             (ball.y + BallFrameSize / 2.0 - WheelCentreY - 0.5) * scale);
    paintBall(painter, wheelCentre + ballCentre, 6.2 * scale);

    // A thin gold frame with the name beside the wheel.
    painter.setPen(QPen(Gold, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(4.5, 4.5, 511, 307));

    const QRectF titleBox(300, 86, 212, 70);
    paintEngraved(painter, titleBox, fittingTitleFont("QUENDRA", titleBox.width() - 12), "QUENDRA",
                  Gold);

    painter.setPen(QPen(DeepGold, 1.2));
    painter.drawLine(QPointF(322, 160), QPointF(490, 160));
    painter.setBrush(Gold);
    painter.setPen(Qt::NoPen);
    const QPointF diamond[] = {{406, 155}, {411, 160}, {406, 165}, {401, 160}};
    painter.drawPolygon(diamond, 4);

    QFont subtitle("Times New Roman");
    subtitle.setStyleHint(QFont::Serif);
    subtitle.setPixelSize(20);
    subtitle.setItalic(true);
    subtitle.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    paintEngraved(painter, QRectF(300, 170, 212, 30), subtitle, "Roulette", QColor(236, 230, 210));

    QFont small("Arial");
    small.setPixelSize(12);
    paintEngraved(painter, QRectF(300, 270, 212, 20), small, fromView(VersionText),
                  QColor(210, 204, 184));
    return image;
}

QImage drawProgramPicture() {
    QImage image(123, 99, QImage::Format_RGB32);
    // The about box takes its colour from this picture's pixel (2, 2): a light ivory.
    const QColor ivory(236, 232, 218);
    image.fill(ivory);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sheen(0, 0, 0, 99);
    sheen.setColorAt(0.0, ivory);
    sheen.setColorAt(1.0, ivory.darker(112));
    painter.fillRect(QRect(0, 6, 123, 93), sheen);

    const QPointF centre(56, 51);
    constexpr double Radius = 44;
    paintWheelShadow(painter, centre, Radius);
    paintWheelAt(painter, centre, Radius, TableType::French);

    // A small stack of chips beside the wheel.
    const QColor chip(200, 16, 16);
    for (int level = 0; level < 4; ++level) {
        const QRectF face(96, 82 - level * 5, 22, 9);
        painter.setPen(QPen(chip.darker(170), 0.8));
        painter.setBrush(chip.darker(120));
        painter.drawRect(face.adjusted(0, 4, 0, 0));
        painter.setBrush(chip);
        painter.drawEllipse(face);
    }
    painter.setPen(QPen(Qt::white, 1.2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QRectF(99, 64, 16, 6));
    return image;
}

} // namespace quendra::app
