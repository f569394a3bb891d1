// The betting board `Spielbrett1`: the table picture with the players' chips, the highlight over
// the field under the mouse and the win indicator `DollyImg`. Clicks go to the engine's mouse
// placement; the view only shows what the game state holds.
#pragma once

#include "main/TChetonS.h"
// moc cannot parse the C++20 standard headers the engine pulls in; it needs none of them.
#ifndef Q_MOC_RUN
#include "bets/BoardChips.h"
#include "bets/BoardMouse.h"
#include "game/Game.h"
#include "table/BoardGeometry.h"
#endif

#include <QImage>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quendra::app {

class HighlightImage;

class BoardView : public QWidget {
    Q_OBJECT
public:
    BoardView(quendra::Game& game, QWidget* parent = nullptr);
    ~BoardView() override;

    // The chip component of that name ("SH_PL171"), null when the field holds no chip.
    TChetonS* chip(const QString& name) const;
    // The highlight image shown now, null when none is.
    QWidget* shownHighlight() const;
    QLabel* winIndicator() const { return dolly_; }

    // The player's chip colour: silver for everyone with `SingleColourChips`.
    static QColor chipColour(int player, bool singleColour);

public slots:
    // Redraws the picture, the chips and the win indicator from the game state.
    void refresh();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // What a running auto-repeat adds or removes at: a board point or a chip's field.
    struct Repeat {
        std::optional<quendra::BoardPoint> point;
        std::string chipName;
    };

    void loadTable();
    void syncChips();
    void stackChips(const std::vector<quendra::ChipView>& views);
    TChetonS* makeChip(const std::string& name, bool prison);
    void placeWinIndicator();

    void boardPress(quendra::BoardPoint point, Qt::MouseButton button);
    void chipPress(TChetonS* chip, Qt::MouseButton button);
    void release(Qt::MouseButton button);
    void repeatTick(quendra::MouseButton button);
    void startRepeat(quendra::MouseButton button, quendra::PlacementOutcome outcome);
    QTimer* timerFor(quendra::MouseButton button) const;
    void pointerAt(quendra::BoardPoint point);
    void showHighlight(HighlightImage* image, const QRegion& field);

    quendra::Game& game_;
    std::optional<quendra::TableType> shownTable_;
    QImage picture_;
    std::map<std::string, TChetonS*> chips_;
    std::vector<std::string> stackOrder_; // the chips' names from the bottom up
    std::map<QString, HighlightImage*> highlights_;
    HighlightImage* shownHighlight_ = nullptr;
    QLabel* dolly_;
    QTimer* leftTimer_;
    QTimer* rightTimer_;
    Repeat leftRepeat_;
    Repeat rightRepeat_;
};

} // namespace quendra::app
