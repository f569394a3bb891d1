// The status bar: off-screen layers combined with XOR and OR, then copied onto the control.
#include "main/TBalken.h"

#include <QPainter>
#include <algorithm>

namespace quendra::app {
namespace {

// A rectangle as the bar computes with it: right and bottom lie just outside.
struct Edges {
    int left;
    int top;
    int right;
    int bottom;

    QRect rect() const { return QRect(left, top, right - left, bottom - top); }
};

// Draws a layer on black and combines it onto the image with the raster operation.
template <typename Paint>
void combineLayer(QImage& image, QPainter::CompositionMode operation, Paint paint) {
    QImage layer(image.size(), QImage::Format_RGB32);
    layer.fill(Qt::black);
    {
        QPainter painter(&layer);
        paint(painter);
    }
    QPainter painter(&image);
    painter.setCompositionMode(operation);
    painter.drawImage(0, 0, layer);
}

} // namespace

TBalken::TBalken(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(100, 100);
}

int TBalken::percentDone() const {
    if (maxValue_ == minValue_) {
        return 0;
    }
    const double percent =
        (double(progress_) - minValue_) * 100.0 / (double(maxValue_) - minValue_);
    return std::clamp(int(percent), 0, 100);
}

QString TBalken::shownText() const {
    if (gesperrt_ || !showText_) {
        return {};
    }
    return QString::fromStdString(barText(textKind_, spracheKind_, freeValue_));
}

template <typename T>
void TBalken::change(T& field, const T& value) {
    if (field != value) {
        field = value;
        update();
    }
}

void TBalken::setTextKind(quendra::TextKind kind) {
    change(textKind_, kind);
}

void TBalken::setSpracheKind(quendra::Language language) {
    change(spracheKind_, language);
}

void TBalken::setShowText(bool show) {
    change(showText_, show);
}

void TBalken::setGesperrt(bool locked) {
    change(gesperrt_, locked);
}

void TBalken::setBorderStyle(BorderStyle style) {
    change(borderStyle_, style);
}

void TBalken::setForeColor(const QColor& colour) {
    change(foreColor_, colour);
}

void TBalken::setBackColor(const QColor& colour) {
    change(backColor_, colour);
}

void TBalken::setMinValue(int value) {
    if (value == minValue_) {
        return;
    }
    minValue_ = value;
    progress_ = std::max(progress_, minValue_);
    update();
}

void TBalken::setMaxValue(int value) {
    if (value == maxValue_) {
        return;
    }
    maxValue_ = value;
    progress_ = std::min(progress_, maxValue_);
    update();
}

void TBalken::setProgress(int value) {
    // Not std::clamp: a minimum above the maximum must not make the call undefined.
    const int clamped = std::max(minValue_, std::min(value, maxValue_));
    const int shownBefore = percentDone();
    progress_ = clamped;
    if (percentDone() != shownBefore) {
        update();
    }
}

void TBalken::setFreeValue(int value) {
    change(freeValue_, value);
}

QImage TBalken::render() const {
    QImage image(size(), QImage::Format_RGB32);
    if (image.isNull()) {
        return image; // a bar of no size shows nothing
    }
    image.fill(Qt::black);
    Edges bar{0, 0, width(), height()};
    if (borderStyle_ == BorderStyle::bsSingle) {
        bar = {1, 1, width() - 1, height() - 1};
    }
    const int barWidth = bar.right - bar.left + 1;

    combineLayer(image, QPainter::RasterOp_SourceXorDestination, [&](QPainter& painter) {
        painter.fillRect(bar.rect(), backColor_);
        // The filled part ends at a coordinate of the control, counted like a width: a full bar
        // reaches its right edge, a part bar falls one pixel short of its share.
        const int filledTo = std::min(barWidth, int(barWidth * (percentDone() * 0.01)));
        if (filledTo > 0) {
            painter.fillRect(Edges{bar.left, bar.top, filledTo, bar.bottom}.rect(), foreColor_);
        }
    });

    if (gesperrt_) {
        combineLayer(image, QPainter::RasterOp_SourceOrDestination, [&](QPainter& painter) {
            painter.setPen(Qt::white);
            painter.drawLine(bar.left + 1, bar.top, bar.right - 2, bar.bottom - 1);
            painter.drawLine(bar.left + 1, bar.bottom - 1, bar.right - 2, bar.top);
        });
        return image;
    }
    const QString text = shownText();
    if (text.isEmpty()) {
        return image;
    }
    // Amounts and "System" stay white; every other text inverts what lies under it.
    const bool plain =
        textKind_ == quendra::TextKind::gkSystem || textKind_ == quendra::TextKind::gkFreeValue;
    combineLayer(image,
                 plain ? QPainter::RasterOp_SourceOrDestination
                       : QPainter::RasterOp_SourceXorDestination,
                 [&](QPainter& painter) {
                     painter.setClipRect(bar.rect());
                     painter.setFont(font());
                     painter.setPen(Qt::white);
                     const QFontMetrics metrics(font());
                     const int x = (barWidth - metrics.horizontalAdvance(text)) / 2;
                     const int y = (bar.bottom - bar.top + 1 - metrics.height()) / 2;
                     painter.drawText(x, y + metrics.ascent(), text);
                 });
    return image;
}

void TBalken::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, render());
}

} // namespace quendra::app
