// Painting the chip: its outline twice, the inner one set in, and the value centred on it.
#include "main/TChetonS.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quendra::app {
namespace {

// The path of an outline drawn on the pixels from (left, top) up to, not including, (right,
// bottom): an odd pen runs through the middle of the outer pixels, an even pen along their edge,
// so that the stroke covers whole pixels and a pen of width w stays w div 2 inside the control.
QRectF outline(int left, int top, int right, int bottom, int penWidth) {
    const double inset = penWidth % 2 == 0 && penWidth > 0 ? 0.0 : 0.5;
    return QRectF(left + inset, top + inset, right - left - 2 * inset, bottom - top - 2 * inset);
}

// Black on light chips, white on dark ones (blue, red), so that every player reads his stakes.
QColor valueColour(const QColor& fill) {
    const double luminance = 0.299 * fill.red() + 0.587 * fill.green() + 0.114 * fill.blue();
    return luminance < 90 ? Qt::white : Qt::black;
}

} // namespace

TChetonS::TChetonS(QWidget* parent) : QWidget(parent) {
    resize(65, 65);
    setMouseTracking(true);
}

QFont TChetonS::valueFont() {
    QFont font("Arial");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    font.setBold(true);
    return font;
}

void TChetonS::setBrush(const QBrush& brush) {
    brush_ = brush;
    update();
}

void TChetonS::setPen(const QPen& pen) {
    pen_ = pen;
    update();
}

void TChetonS::setShape(TShapeType shape) {
    if (shape != shape_) {
        shape_ = shape;
        update();
    }
}

void TChetonS::setChetvalue(int value) {
    if (value != chetvalue_) {
        chetvalue_ = value;
        update();
    }
}

void TChetonS::setShowValue(bool show) {
    if (show != showValue_) {
        showValue_ = show;
        update();
    }
}

void TChetonS::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(pen_);
    painter.setBrush(brush_);

    const int penWidth = pen_.width();
    int x = penWidth / 2;
    int y = penWidth / 2;
    int w = width() - penWidth;
    int h = height() - penWidth;
    if (penWidth == 0) {
        --w;
        --h;
    }
    const int s = std::min(w, h);
    if (shape_ == stSquare || shape_ == stRoundSquare || shape_ == stCircle) {
        x += (w - s) / 2;
        y += (h - s) / 2;
        w = s;
        h = s;
    }

    switch (shape_) {
    case stRectangle:
    case stSquare:
        painter.drawRect(outline(x, y, x + w, y + h, penWidth));
        painter.drawRect(outline(x + 2, y + 1, x + w - 2, y + h - 1, penWidth));
        break;
    case stRoundRect:
    case stRoundSquare:
        painter.setRenderHint(QPainter::Antialiasing);
        // The corners are quarter ellipses of a quarter of the side.
        painter.drawRoundedRect(outline(x, y, x + w, y + h, penWidth), (s / 4) / 2.0,
                                (s / 4) / 2.0);
        break;
    case stEllipse:
    case stCircle:
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawEllipse(outline(x, y, x + w, y + h, penWidth));
        painter.drawEllipse(outline(x + 2, y + 2, x + w - 2, y + h - 2, penWidth));
        break;
    }

    if (showValue_) {
        painter.setFont(valueFont());
        painter.setPen(valueColour(brush_.color()));
        const QFontMetrics metrics(painter.font());
        const QString text = QString::number(chetvalue_);
        const int textX = (w - metrics.horizontalAdvance(text)) / 2 + 1;
        const int textY = (h - metrics.height()) / 2;
        painter.drawText(textX, textY + metrics.ascent(), text);
    }
}

void TChetonS::mousePressEvent(QMouseEvent* event) {
    emit mouseDown(this, event->button(), event->position().toPoint());
}

void TChetonS::mouseReleaseEvent(QMouseEvent* event) {
    emit mouseUp(this, event->button(), event->position().toPoint());
}

void TChetonS::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMove(this, event->position().toPoint());
}

} // namespace quendra::app
