// The info panel of the main window: the shown player's coups, start capital, last stake,
// profit or loss so far and coups won and lost.
#pragma once

#ifndef Q_MOC_RUN
#include "game/PlayerPanel.h"
#endif

#include <QFrame>
#include <array>

class QLabel;

namespace quendra::app {

class TBalken;

class InfoPanelWidget : public QFrame {
    Q_OBJECT
public:
    explicit InfoPanelWidget(QWidget* parent = nullptr);

    void showPanel(const InfoPanelView& view, Language language);

private:
    struct Line {
        QLabel* caption = nullptr;
        QLabel* value = nullptr;
    };
    TBalken* title_;
    std::array<Line, 6> lines_;
};

} // namespace quendra::app
