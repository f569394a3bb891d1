// The wheel box: a right click throws the ball at once, the ball is drawn pocket by pocket with
// the cursor hidden, a left click picks the next number in the picker.
// moc cannot parse the C++20 standard headers the engine pulls in.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "common/QtHost.h"
#include "main/TSelectNumber.h"
#include "main/WheelView.h"
#include "spin/NumberPick.h"
#include "spin/SpinCycle.h"
#endif

#include <QPushButton>
#include <QtTest>

using namespace quendra;
using quendra::app::WheelView;

class TestWheelView : public QObject {
    Q_OBJECT

private slots:
    void aRightClickThrowsTheBallAtOnce() {
        apptest::TestHost host;
        Game game(host, 7);
        apptest::setUpBetting(game, TableType::French);
        GameState& state = game.state();
        state.settings.ManualTimeBar = true;
        state.phase = TextKind::gkMakeMan;
        state.GameTimerOn = false;
        state.TimeBarLimit = 200;
        WheelView view(game);
        QCOMPARE(view.drawnPocket(), 1);

        std::vector<int> drawn;
        std::vector<bool> cursorHidden;
        host.onChange = [&](Change what) {
            if (any(what, Change::Ball)) {
                view.refresh();
                drawn.push_back(view.drawnPocket());
                const QCursor* cursor = QGuiApplication::overrideCursor();
                cursorHidden.push_back(cursor && cursor->shape() == Qt::BlankCursor);
            }
        };
        QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(120, 120));
        QVERIFY(state.GameTimerOn);
        int coups = 0;
        for (int tick = 0; tick < 2; ++tick) {
            coups += SpieltimerTick(game) ? 1 : 0;
        }
        QCOMPARE(coups, 1);
        QVERIFY(state.LastSixteen[15] != EmptySlot);

        // Pocket after pocket, with the cursor hidden until the ball lies still.
        QVERIFY(drawn.size() > 2 * 37);
        for (std::size_t i = 1; i + 1 < drawn.size(); ++i) {
            QCOMPARE(drawn[i], drawn[i - 1] % 37 + 1);
            QVERIFY(cursorHidden[i]);
        }
        QCOMPARE(view.drawnPocket(), state.table.BallPocket);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void beforeTheStartARightClickAsksForStart() {
        apptest::TestHost host;
        Game game(host, 7);
        apptest::setUpBetting(game, TableType::American);
        game.state().phase = TextKind::gkSpielstart;
        WheelView view(game);
        QTest::mouseClick(&view, Qt::RightButton, {}, QPoint(120, 120));
        QCOMPARE(host.messages, std::vector<int>{8});
        QVERIFY(!game.state().GameTimerOn);
    }

    void aLeftClickPicksTheNextNumber() {
        app::QtHost host;
        Game game(host, 7);
        apptest::setUpBetting(game, TableType::French);
        WheelView view(game);
        QTimer::singleShot(20, [] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (auto* picker = qobject_cast<app::TSelectNumber*>(window);
                    picker && picker->isVisible()) {
                    picker->button(17)->click();
                }
            }
        });
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(120, 120));
        QCOMPARE(int(game.state().ManualNumber), 17);
        const Table& table = game.state().table;
        QCOMPARE(int(game.state().ManualSteps),
                 pocketsToTravel(table.BallPocket, table.pocketOf(17), table.PocketCount));
    }
};

QTEST_MAIN(TestWheelView)
#include "tst_wheelview.moc"
