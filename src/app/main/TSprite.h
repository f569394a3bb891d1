// The sprite `TSprite`: frames cut from a picture sheet, moved over a background picture, each
// step redrawing only the old and the new rectangle.
#pragma once

#include <QImage>
#include <QRect>
#include <QStringView>
#include <vector>

class QWidget;

namespace quendra::app {

class TSprite {
public:
    static constexpr int MaxFrames = 15;

    // The sprite is drawn into work, a copy of the clean background that carries the sprite;
    // the target (may be null) is asked to repaint each changed rectangle from work. The
    // position wraps at 0 and at maxX / maxY. Background and work must outlive the sprite.
    TSprite(QWidget* target, const QImage& background, QImage& work, int maxX, int maxY);

    // Cuts up to 15 frames of w × h from the sheet, the first at (1, 1 + firstRow × (h + 1)),
    // the next w + 1 further right, a new row of the sheet after framesPerRow frames, and
    // builds each frame's mask (black is transparent). False, and no frames, when the
    // arguments or the sheet give none.
    bool Load(const QImage& sheet, int w, int framesPerRow, int firstRow, int frameCount, int h);
    // The same from the program's picture of that name.
    bool Load(QStringView pictureName, int w, int framesPerRow, int firstRow, int frameCount,
              int h);

    // Moves without drawing; with frames loaded, keeps the background under the new place.
    void SetPos(int x, int y);
    void SetVelocity(int dx, int dy);
    // Frames change every n-th draw (n below 1 counts as 1); restarts the count.
    void SetDelay(int n);
    // A frame number outside the loaded frames is ignored.
    void SetFrame(int n);
    // One step: restore the old place, move by the velocity (wrapping at the bounds), draw
    // the current frame at the new place and repaint the union of both rectangles.
    void Draw();

    int x() const { return x_; }
    int y() const { return y_; }
    int frame() const { return frame_; }
    int frameCount() const { return int(frames_.size()); }
    QSize frameSize() const { return frameSize_; }
    QRect oldRect() const { return oldRect_; }
    QRect newRect() const { return newRect_; }

private:
    QRect rectAt(int x, int y) const { return QRect(QPoint(x, y), frameSize_); }
    void saveBackground();
    // By the velocity; past max x the sprite starts again at 0, below 0 at max x (so for y).
    void move();

    QWidget* target_;
    const QImage& background_;
    QImage& work_;
    int maxX_;
    int maxY_;
    QSize frameSize_;
    std::vector<QImage> frames_;
    std::vector<QImage> masks_;
    int frame_ = 0;
    int delay_ = 1;
    int drawCount_ = 0;
    int x_ = 0;
    int y_ = 0;
    int dx_ = 0;
    int dy_ = 0;
    QImage savedBackground_;
    QRect oldRect_;
    QRect newRect_;
};

} // namespace quendra::app
