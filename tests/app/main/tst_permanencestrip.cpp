// The permanence strip: red numbers on the left, black on the right, zeros across both, and the
// newest row blinking for twenty ticks before it stays.
#include "main/PermanenceStrip.h"
// moc cannot parse the C++20 standard headers the engine pulls in.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "spin/PermanenceStrip.h"
#endif

#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace quendra;

class TestPermanenceStrip : public QObject {
    Q_OBJECT

private slots:
    void theNewestRowBlinksAndStays() {
        apptest::TestHost host;
        Game game(host, 1);
        apptest::setUpBetting(game, TableType::American);
        GameState& state = game.state();
        state.LastSixteen[13] = static_cast<std::uint16_t>(state.table.pocketOf(37));
        state.LastSixteen[14] = static_cast<std::uint16_t>(state.table.pocketOf(26));
        state.LastSixteen[15] = static_cast<std::uint16_t>(state.table.pocketOf(3));
        ShowPermanenceStrip(state);
        app::PermanenceStrip strip(game);

        // Row 14: 00 across both columns; row 15: black 26 on the right.
        for (int label : {23, 39}) {
            QCOMPARE(strip.TableZ(label)->text(), QString("00"));
            QVERIFY(!strip.TableZ(label)->isHidden());
        }
        QVERIFY(strip.TableZ(24)->isHidden());
        QCOMPARE(strip.TableZ(40)->text(), QString("26"));
        QCOMPARE(strip.TableZ(25)->text(), QString("3"));
        QCOMPARE(strip.TableZ(25)->palette().color(QPalette::WindowText), QColor(200, 0, 0));
        QVERIFY(strip.TableZ(41)->isHidden());
        QVERIFY(strip.TableZ(10)->isHidden());

        QVERIFY(strip.blinkTimer()->isActive());
        bool blinkedOff = false;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&] { blinkedOff |= strip.TableZ(25)->isHidden(); });
        watch.start(20);
        QTRY_VERIFY_WITH_TIMEOUT(!strip.blinkTimer()->isActive(), 5000);
        QVERIFY(blinkedOff);
        QVERIFY(!strip.TableZ(25)->isHidden());
    }
};

QTEST_MAIN(TestPermanenceStrip)
#include "tst_permanencestrip.moc"
