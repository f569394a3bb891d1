// The board: clicks at the points where fields meet place the chip of the field the hit test
// names, the board's edges place nothing, chips take their shape and order, the highlight and
// the cursor follow the mouse.
// moc cannot parse the C++20 standard headers the engine pulls in.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "bets/ChipName.h"
#include "bets/Placement.h"
#include "main/BoardView.h"
#endif

#include <QtTest>

using namespace quendra;
using quendra::app::BoardView;

Q_DECLARE_METATYPE(quendra::TableType)

namespace {

void stake(Game& game, int player, std::string_view code, std::int32_t amount) {
    const int selected = game.state().CurrentPlayer;
    game.state().CurrentPlayer = player;
    QVERIFY(ChargeStake(game, amount));
    QVERIFY(!PlaceBet(game, amount, chipName(parseFieldCode(code).value(), player)).refused);
    game.state().CurrentPlayer = selected;
}

QList<QString> chipNames(const BoardView& view) {
    QList<QString> names;
    for (auto* chip : view.findChildren<app::TChetonS*>()) {
        names << chip->objectName();
    }
    return names;
}

} // namespace

class TestBoardView : public QObject {
    Q_OBJECT

private slots:
    void aClickPlacesTheChipOfTheFieldUnderIt_data() {
        QTest::addColumn<TableType>("table");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("chip"); // empty: no field, nothing placed
        QTest::addColumn<QRect>("shape");  // the chip's circle on the board
        const auto F = TableType::French;
        const auto A = TableType::American;
        QTest::newRow("plein 1") << F << QPoint(70, 94) << "SH_PL011" << QRect(63, 83, 22, 22);
        QTest::newRow("cheval 1/2") << F << QPoint(107, 94) << "SH_CH371" << QRect(97, 83, 22, 22);
        QTest::newRow("carre 1/2/4/5")
            << F << QPoint(107, 114) << "SH_CA021" << QRect(97, 103, 22, 22);
        QTest::newRow("transversale 1/2/3")
            << F << QPoint(244, 94) << "SH_TP031" << QRect(234, 83, 22, 22);
        QTest::newRow("simple 1-6")
            << F << QPoint(244, 114) << "SH_TS011" << QRect(234, 103, 22, 22);
        QTest::newRow("0/2 French") << F << QPoint(141, 75) << "SH_CH021" << QRect(131, 63, 22, 22);
        QTest::newRow("0/00/2 American")
            << A << QPoint(141, 75) << "SH_TP151" << QRect(131, 63, 22, 22);
        QTest::newRow("zero French")
            << F << QPoint(141, 55) << "SH_PL001" << QRect(131, 43, 22, 22);
        QTest::newRow("0/00 American")
            << A << QPoint(141, 55) << "SH_CH611" << QRect(131, 49, 22, 22);
        QTest::newRow("top edge") << F << QPoint(141, 20) << "" << QRect();
        QTest::newRow("between dozen and chance") << F << QPoint(312, 100) << "" << QRect();
        QTest::newRow("right margin") << A << QPoint(400, 300) << "" << QRect();
    }

    void aClickPlacesTheChipOfTheFieldUnderIt() {
        QFETCH(TableType, table);
        QFETCH(QPoint, point);
        QFETCH(QString, chip);
        QFETCH(QRect, shape);
        apptest::TestHost host;
        Game game(host, 1);
        apptest::setUpBetting(game, table);
        BoardView view(game);

        QTest::mouseClick(&view, Qt::LeftButton, {}, point);

        if (chip.isEmpty()) {
            QVERIFY(chipNames(view).isEmpty());
            QCOMPARE(game.state().player(1).Capital, 1000);
            return;
        }
        QCOMPARE(chipNames(view), QList<QString>{chip});
        app::TChetonS* placed = view.chip(chip);
        QCOMPARE(placed->chetvalue(), 1);
        QCOMPARE(placed->geometry(), shape);
        QCOMPARE(placed->shape(), app::TChetonS::stCircle);
        QCOMPARE(placed->brush().color(), BoardView::chipColour(1, false));
        QCOMPARE(game.state().player(1).Capital, 999);

        // A right click on the chip takes the unit off again, and the chip with it.
        QTest::mouseClick(placed, Qt::RightButton, {}, QPoint(11, 11));
        QTRY_VERIFY(chipNames(view).isEmpty());
        QCOMPARE(game.state().player(1).Capital, 1000);
    }

    void beforeTheStartAClickWarnsAndPlacesNothing() {
        apptest::TestHost host;
        Game game(host, 1);
        apptest::setUpBetting(game, TableType::French);
        game.state().phase = TextKind::gkSpielstart;
        BoardView view(game);
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(70, 94));
        QCOMPARE(host.messages, std::vector<int>{8});
        QVERIFY(chipNames(view).isEmpty());
    }

    void aStakeFrom100OnIsARectangleShowingTheAmount() {
        apptest::TestHost host;
        Game game(host, 1);
        apptest::setUpBetting(game, TableType::French);
        stake(game, 1, "PL17", 99);
        BoardView view(game);
        app::TChetonS* chip = view.chip("SH_PL171");
        QCOMPARE(chip->shape(), app::TChetonS::stCircle);

        QTest::mouseClick(chip, Qt::LeftButton, {}, QPoint(11, 11));
        QCOMPARE(chip->chetvalue(), 100);
        QCOMPARE(chip->shape(), app::TChetonS::stRectangle);
        const int textWidth =
            QFontMetrics(app::TChetonS::valueFont()).horizontalAdvance(QString("100"));
        // Three pixels left of the circle, two lower, 20 high, the text plus 10 wide.
        QCOMPARE(chip->geometry(), QRect(141 - 13, 296 - 11 + 2, textWidth + 10, 20));
    }

    void theSelectedPlayersChipLiesOnTop() {
        apptest::TestHost host;
        Game game(host, 1);
        apptest::setUpBetting(game, TableType::French);
        for (int player = 1; player <= 4; ++player) {
            stake(game, player, "PL17", player);
        }
        game.state().CurrentPlayer = 3;
        BoardView view(game);
        QCOMPARE(view.childAt(141, 296)->objectName(), QString("SH_PL173"));
        QCOMPARE(view.chip("SH_PL174")->brush().color(), QColor(0, 0, 255));

        game.state().CurrentPlayer = 2;
        game.state().settings.SingleColourChips = true;
        view.refresh();
        QCOMPARE(view.childAt(141, 296)->objectName(), QString("SH_PL172"));
        QCOMPARE(view.chip("SH_PL174")->brush().color(), QColor(192, 192, 192));
    }

    void holdingTheButtonRepeatsUntilItIsReleased() {
        apptest::TestHost host;
        Game game(host, 1);
        apptest::setUpBetting(game, TableType::French);
        BoardView view(game);
        QTest::mousePress(&view, Qt::LeftButton, {}, QPoint(70, 94));
        QTRY_VERIFY(game.state().player(1).board.at({BetKind::Plein, 1}).amount >= 3);
        QTest::mouseRelease(&view, Qt::LeftButton, {}, QPoint(70, 94));
        const std::int32_t held = game.state().player(1).board.at({BetKind::Plein, 1}).amount;
        QTest::qWait(3 * MouseRepeatMs);
        QCOMPARE(game.state().player(1).board.at({BetKind::Plein, 1}).amount, held);
    }

    void theHighlightAndTheCursorFollowTheMouse() {
        apptest::TestHost host;
        Game game(host, 1);
        apptest::setUpBetting(game, TableType::French);
        BoardView view(game);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));

        QTest::mouseMove(&view, QPoint(107, 114));
        QTRY_VERIFY(view.shownHighlight() != nullptr);
        QCOMPARE(view.shownHighlight()->objectName(), QString("I_Carre1_Sel"));
        QVERIFY(view.shownHighlight()->isVisible());
        QVERIFY(view.shownHighlight()->geometry().contains(107, 114));
        QCOMPARE(view.cursor().shape(), Qt::CrossCursor);

        QTest::mouseMove(&view, QPoint(107, 236)); // beside the taller line below row 4
        QTRY_COMPARE(view.shownHighlight()->objectName(), QString("I_Carre2_Sel"));

        QTest::mouseMove(&view, QPoint(141, 20));
        QTRY_VERIFY(view.shownHighlight() == nullptr);
        QCOMPARE(view.cursor().shape(), Qt::ArrowCursor);
    }

    void theWinIndicatorStandsOnTheWinningNumber() {
        apptest::TestHost host;
        Game game(host, 1);
        apptest::setUpBetting(game, TableType::French);
        BoardView view(game);
        QCOMPARE(view.winIndicator()->pos(), QPoint(300, 32 - 12));
        game.state().bets.WinIndicator = winIndicatorPosition(TableType::French, 17);
        view.refresh();
        QCOMPARE(view.winIndicator()->geometry(), QRect(141, 296 - 16, 18, 34));
        QVERIFY(!view.winIndicator()->isHidden());

        // A click on the board puts it back to rest.
        QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(400, 600));
        QCOMPARE(view.winIndicator()->pos(), QPoint(300, 32 - 12));
    }
};

QTEST_MAIN(TestBoardView)
#include "tst_boardview.moc"
