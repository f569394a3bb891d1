// The wheel box's ball, its run and its clicks.
#include "main/WheelView.h"

#include "common/QtHost.h"
#include "spin/WheelBox.h"

#include <QGuiApplication>
#include <QMouseEvent>

namespace quendra::app {
namespace {

// The ball wraps at the main window's client size, far outside the wheel.
constexpr int BallBoundX = 978;
constexpr int BallBoundY = 695;
constexpr int BallFrameDelay = 200;

} // namespace

WheelView::WheelView(Game& game, QWidget* parent)
    : WheelBox(BallBoundX, BallBoundY, parent), game_(game) {
    if (auto* host = dynamic_cast<QtHost*>(&game_.host())) {
        connect(host, &QtHost::stateChanged, this, [this](Change what) {
            if (any(what, Change::Ball | Change::Table | Change::Phase)) {
                refresh();
            }
        });
    }
    refresh();
}

WheelView::~WheelView() {
    if (cursorHidden_) {
        QGuiApplication::restoreOverrideCursor();
    }
}

WheelPoint WheelView::pocketPosition(int pocket) const {
    const PocketRecord& record = game_.state().table.pocket(pocket);
    return {record.ballX, record.ballY};
}

void WheelView::refresh() {
    const Table& table = game_.state().table;
    followBallRun();
    if (table.PocketTable.empty() || table.BallPocket < 1 ||
        table.BallPocket > static_cast<int>(table.PocketTable.size())) {
        return;
    }
    if (!shownTable_ || *shownTable_ != table.type()) {
        shownTable_ = table.type();
        loadTable(table.type());
        ball()->SetDelay(BallFrameDelay);
        placeBall(pocketPosition(table.BallPocket));
    } else if (drawnPocket_ != table.BallPocket) {
        moveBall(pocketPosition(drawnPocket_), pocketPosition(table.BallPocket));
    }
    drawnPocket_ = table.BallPocket;
}

void WheelView::followBallRun() {
    const BetState& bets = game_.state().bets;
    // The payout count blocks the placements as well, under its own busy cursor.
    const bool running = bets.PlacementBlocked && !bets.payout.counting;
    if (running != cursorHidden_) {
        cursorHidden_ = running;
        if (running) {
            QGuiApplication::setOverrideCursor(Qt::BlankCursor);
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
    }
}

void WheelView::mousePressEvent(QMouseEvent* event) {
    // Only a button pressed alone counts.
    if (event->buttons() == Qt::RightButton) {
        KesselboxRightClick(game_);
    } else if (event->buttons() == Qt::LeftButton) {
        KesselboxLeftClick(game_);
    }
    refresh();
}

} // namespace quendra::app
