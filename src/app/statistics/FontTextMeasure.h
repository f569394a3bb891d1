// Text measuring for the engine's grid layouts, answered from a font's metrics.
#pragma once

#include "common/AppText.h"
#ifndef Q_MOC_RUN
#include "statistics/StatisticsView.h"
#endif

#include <QFont>
#include <QFontMetrics>

namespace quendra::app {

class FontTextMeasure : public TextMeasure {
public:
    explicit FontTextMeasure(const QFont& font) : metrics_(font) {}

    int width(std::string_view text) const override {
        return metrics_.horizontalAdvance(qText(text));
    }
    int height(std::string_view) const override { return metrics_.height(); }

private:
    QFontMetrics metrics_;
};

} // namespace quendra::app
