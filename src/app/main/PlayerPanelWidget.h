// The player panel of the main window: per player his shape `ShSp`n and label `LaSp`n in his
// colour and the bars `Status`n, `Guthaben`n and `Gesetzt`n under the column titles.
#pragma once

#ifndef Q_MOC_RUN
#include "game/PlayerPanel.h"
#endif

#include <QColor>
#include <QWidget>
#include <array>

class QLabel;

namespace quendra::app {

class TBalken;

// The colours of the players' shapes and chips: fuchsia, red, aqua, blue.
QColor playerColour(int player);
// The bar colours of the engine on screen; Window is the window's own colour.
QColor barColour(BarColour colour, const QColor& window);

class PlayerPanelWidget : public QWidget {
    Q_OBJECT
public:
    explicit PlayerPanelWidget(QWidget* parent = nullptr);

    // Shows the panel as the engine has it, in the language given.
    void showPanel(const PlayerPanelView& view, Language language);

signals:
    // A click on player n's shape or label.
    void playerClicked(int player);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Row {
        QWidget* shape = nullptr;
        QLabel* label = nullptr;
        TBalken* status = nullptr;
        TBalken* capital = nullptr;
        TBalken* stake = nullptr;
    };
    std::array<Row, PlayerSlots> rows_;
    TBalken* statusTitle_;
    TBalken* capitalTitle_;
    TBalken* stakeTitle_;
};

} // namespace quendra::app
