// Sprite frames, masks and the animation step.
#include "main/TSprite.h"

#include "main/Pictures.h"

#include <QPainter>
#include <QWidget>
#include <algorithm>

namespace quendra::app {
namespace {

// White where the frame is black (the background shows through), black where the frame
// draws: ANDed into the picture it clears the sprite's pixels for the frame to be ORed in.
QImage maskOf(const QImage& frame) {
    QImage mask(frame.size(), QImage::Format_RGB32);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const bool transparent = (frame.pixel(x, y) & 0xFFFFFF) == 0;
            mask.setPixel(x, y, transparent ? 0xFFFFFFFF : 0xFF000000);
        }
    }
    return mask;
}

// Widened, so that no velocity can overflow the position.
int wrapped(long long value, int max) {
    if (value > max) {
        return 0;
    }
    if (value < 0) {
        return max;
    }
    return int(value);
}

} // namespace

TSprite::TSprite(QWidget* target, const QImage& background, QImage& work, int maxX, int maxY)
    : target_(target), background_(background), work_(work), maxX_(maxX), maxY_(maxY) {}

bool TSprite::Load(const QImage& sheet, int w, int framesPerRow, int firstRow, int frameCount,
                   int h) {
    frames_.clear();
    masks_.clear();
    frame_ = 0;
    frameSize_ = QSize();
    if (sheet.isNull() || w <= 0 || h <= 0 || framesPerRow <= 0 || firstRow < 0 ||
        frameCount <= 0) {
        return false;
    }
    const QImage source = sheet.convertToFormat(QImage::Format_RGB32);
    int x = 1;
    int y = 1 + firstRow * (h + 1);
    for (int i = 0; i < std::min(frameCount, MaxFrames); ++i) {
        const QImage frame = source.copy(x, y, w, h);
        frames_.push_back(frame);
        masks_.push_back(maskOf(frame));
        x += w + 1;
        if (x >= framesPerRow * (w + 1)) {
            x = 1;
            y += h + 1;
        }
    }
    frameSize_ = QSize(w, h);
    return true;
}

bool TSprite::Load(QStringView pictureName, int w, int framesPerRow, int firstRow, int frameCount,
                   int h) {
    return Load(loadPicture(pictureName), w, framesPerRow, firstRow, frameCount, h);
}

void TSprite::SetPos(int x, int y) {
    x_ = x;
    y_ = y;
    if (!frames_.empty()) {
        saveBackground();
    }
}

void TSprite::SetVelocity(int dx, int dy) {
    dx_ = dx;
    dy_ = dy;
}

void TSprite::SetDelay(int n) {
    delay_ = std::max(n, 1);
    drawCount_ = 0;
}

void TSprite::SetFrame(int n) {
    if (n >= 0 && n < frameCount()) {
        frame_ = n;
    }
}

void TSprite::saveBackground() {
    savedBackground_ = background_.copy(rectAt(x_, y_));
}

void TSprite::move() {
    x_ = wrapped(static_cast<long long>(x_) + dx_, maxX_);
    y_ = wrapped(static_cast<long long>(y_) + dy_, maxY_);
}

void TSprite::Draw() {
    if (frames_.empty()) {
        move();
        return;
    }
    oldRect_ = rectAt(x_, y_);
    {
        QPainter painter(&work_);
        painter.drawImage(oldRect_.topLeft(), savedBackground_);
    }

    move();
    newRect_ = rectAt(x_, y_);
    saveBackground();

    {
        QPainter painter(&work_);
        painter.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        painter.drawImage(newRect_.topLeft(), masks_[frame_]);
        painter.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        painter.drawImage(newRect_.topLeft(), frames_[frame_]);
    }
    if (target_ != nullptr) {
        target_->update(oldRect_.united(newRect_));
    }

    if (++drawCount_ >= delay_) {
        drawCount_ = 0;
        frame_ = (frame_ + 1) % frameCount();
    }
}

} // namespace quendra::app
