// The engine's layout records as Qt geometry.
#pragma once

#ifndef Q_MOC_RUN
#include "statistics/StatisticsView.h"
#endif

#include <QRect>
#include <QSize>

namespace quendra::app {

inline QRect qRect(const LayoutRect& rect) {
    return {rect.left, rect.top, rect.width, rect.height};
}

inline LayoutSize layoutSize(const QSize& size) {
    return {size.width(), size.height()};
}

} // namespace quendra::app
