// The ring of the wheel distribution: per pocket a coloured segment with its number, a white
// bar background outlined in dark red and a lime-green bar as long as the pocket's count.
#pragma once

#ifndef Q_MOC_RUN
#include "statistics/WheelDistribution.h"
#endif

#include <QWidget>

namespace quendra::app {

class WheelDistributionView : public QWidget {
    Q_OBJECT
public:
    explicit WheelDistributionView(QWidget* parent = nullptr);

    void showPicture(WheelPicture picture);
    const WheelPicture& picture() const { return picture_; }

    // A pie segment's start and sweep in Qt's angles: degrees counter-clockwise from three
    // o'clock.
    static double qtStartAngle(const WheelSegment& segment);
    static double qtSweep(const WheelSegment& segment);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintSegment(QPainter& painter, const WheelSegment& segment) const;

    WheelPicture picture_;
};

} // namespace quendra::app
