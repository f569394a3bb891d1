// The sprite TSprite: frames cut from a sheet, transparency, wrapping, frame delay and the
// rectangles it redraws; the wheel box carrying the ball.
#include "main/Pictures.h"
#include "main/TSprite.h"
#include "main/WheelBox.h"

#include <QPaintEvent>
#include <QtTest>

using quendra::WheelPoint;
using quendra::app::TSprite;

namespace {

const QRgb Ground = qRgb(10, 120, 40);

// A sheet of 4 × 3 frames in two rows of two, each frame one colour with a black (transparent)
// corner at its top left; frames laid out as the loader cuts them.
const QRgb FrameColours[] = {qRgb(200, 0, 0), qRgb(0, 0, 200), qRgb(200, 200, 0),
                             qRgb(0, 200, 200)};

QImage testSheet() {
    QImage sheet(2 * 5 + 1, 2 * 4 + 1, QImage::Format_RGB32);
    sheet.fill(qRgb(99, 99, 99)); // the grid between frames must never be cut
    for (int i = 0; i < 4; ++i) {
        const QPoint origin(1 + (i % 2) * 5, 1 + (i / 2) * 4);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                sheet.setPixel(origin + QPoint(x, y), FrameColours[i]);
            }
        }
        sheet.setPixel(origin, qRgb(0, 0, 0));
    }
    return sheet;
}

struct Stage {
    QImage background{40, 30, QImage::Format_RGB32};
    QImage work;
    Stage() {
        background.fill(Ground);
        work = background.copy();
    }
};

// A target that records the rectangles it is asked to repaint.
class Target : public QWidget {
public:
    QRegion painted;

protected:
    void paintEvent(QPaintEvent* event) override { painted += event->region(); }
};

} // namespace

class TestSprite : public QObject {
    Q_OBJECT

private slots:
    void framesAreCutRowByRowAndBlackIsTransparent() {
        Stage stage;
        TSprite sprite(nullptr, stage.background, stage.work, 39, 29);
        QVERIFY(sprite.Load(testSheet(), 4, 2, 0, 4, 3));
        QCOMPARE(sprite.frameCount(), 4);
        for (int frame = 0; frame < 4; ++frame) {
            sprite.SetFrame(frame);
            sprite.SetPos(10, 10);
            sprite.Draw();
            QCOMPARE(stage.work.pixel(11, 11), FrameColours[frame]);
            QCOMPARE(stage.work.pixel(13, 12), FrameColours[frame]);
            QCOMPARE(stage.work.pixel(10, 10), Ground); // the black corner lets the ground through
        }
    }

    void aLaterFirstRowAndMoreThanFifteenFramesAreHandled() {
        Stage stage;
        TSprite sprite(nullptr, stage.background, stage.work, 39, 29);
        QVERIFY(sprite.Load(testSheet(), 4, 2, 1, 40, 3));
        QCOMPARE(sprite.frameCount(), TSprite::MaxFrames);
        sprite.SetPos(0, 0);
        sprite.Draw();
        QCOMPARE(stage.work.pixel(1, 1), FrameColours[2]);
        QVERIFY(!sprite.Load(QImage(), 4, 2, 0, 1, 3));
        QCOMPARE(sprite.frameCount(), 0);
        QVERIFY(!sprite.Load(testSheet(), 0, 2, 0, 1, 3));
        const QImage before = stage.work.copy();
        sprite.Draw(); // without frames: moves, draws nothing
        QCOMPARE(stage.work, before);
    }

    void eachStepRestoresTheOldPlaceAndLeavesNoTrail() {
        Stage stage;
        TSprite sprite(nullptr, stage.background, stage.work, 39, 29);
        sprite.Load(testSheet(), 4, 2, 0, 1, 3);
        sprite.SetPos(5, 5);
        sprite.SetVelocity(7, 3);
        for (int step = 0; step < 3; ++step) {
            sprite.Draw();
        }
        QCOMPARE(QPoint(sprite.x(), sprite.y()), QPoint(26, 14));
        QImage expected = stage.background.copy();
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 4; ++x) {
                if (x != 0 || y != 0) {
                    expected.setPixel(26 + x, 14 + y, FrameColours[0]);
                }
            }
        }
        QCOMPARE(stage.work, expected);
    }

    void aVelocityLeavingTheBoundsWrapsToTheOppositeEdge_data() {
        QTest::addColumn<QPoint>("start");
        QTest::addColumn<QPoint>("velocity");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("beyond max x") << QPoint(95, 10) << QPoint(10, 0) << QPoint(0, 10);
        QTest::newRow("onto max x") << QPoint(95, 10) << QPoint(5, 0) << QPoint(100, 10);
        QTest::newRow("below 0 x") << QPoint(5, 10) << QPoint(-10, 0) << QPoint(100, 10);
        QTest::newRow("onto 0 y") << QPoint(5, 10) << QPoint(0, -10) << QPoint(5, 0);
        QTest::newRow("beyond max y") << QPoint(5, 45) << QPoint(0, 10) << QPoint(5, 0);
        QTest::newRow("below 0 y") << QPoint(5, 3) << QPoint(0, -4) << QPoint(5, 50);
        QTest::newRow("both") << QPoint(99, 1) << QPoint(3, -3) << QPoint(0, 50);
        QTest::newRow("huge velocity")
            << QPoint(100, 50) << QPoint(INT_MAX, INT_MIN) << QPoint(0, 50);
    }

    void aVelocityLeavingTheBoundsWrapsToTheOppositeEdge() {
        QFETCH(QPoint, start);
        QFETCH(QPoint, velocity);
        QFETCH(QPoint, end);
        Stage stage;
        TSprite sprite(nullptr, stage.background, stage.work, 100, 50);
        sprite.Load(testSheet(), 4, 2, 0, 1, 3);
        sprite.SetPos(start.x(), start.y());
        sprite.SetVelocity(velocity.x(), velocity.y());
        sprite.Draw(); // partly or wholly off the pictures: clipped, never out of bounds
        QCOMPARE(QPoint(sprite.x(), sprite.y()), end);
    }

    void theFrameAdvancesEveryDelayDraws() {
        Stage stage;
        TSprite sprite(nullptr, stage.background, stage.work, 39, 29);
        sprite.Load(testSheet(), 4, 2, 0, 3, 3);
        sprite.SetDelay(2);
        QList<int> frames;
        for (int step = 0; step < 7; ++step) {
            frames << sprite.frame();
            sprite.Draw();
        }
        QCOMPARE(frames, (QList<int>{0, 0, 1, 1, 2, 2, 0}));
        sprite.SetDelay(0); // counts as 1
        sprite.SetFrame(0);
        sprite.Draw();
        QCOMPARE(sprite.frame(), 1);
        sprite.SetFrame(7); // no such frame: ignored
        QCOMPARE(sprite.frame(), 1);
    }

    void drawRepaintsOnlyTheOldAndTheNewRectangle() {
        Stage stage;
        Target target;
        target.resize(stage.background.size());
        target.show();
        QVERIFY(QTest::qWaitForWindowExposed(&target));
        TSprite sprite(&target, stage.background, stage.work, 39, 29);
        sprite.Load(testSheet(), 4, 2, 0, 1, 3);
        sprite.SetPos(3, 4);
        sprite.SetVelocity(20, 10);
        QTest::qWait(20);
        target.painted = QRegion();
        const QImage before = stage.work.copy();
        sprite.Draw();
        const QRect changed = QRect(3, 4, 4, 3).united(QRect(23, 14, 4, 3));
        QCOMPARE(sprite.oldRect().united(sprite.newRect()), changed);
        QTRY_VERIFY(!target.painted.isEmpty());
        QCOMPARE(target.painted.boundingRect(), changed);
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                if (!changed.contains(x, y)) {
                    QCOMPARE(stage.work.pixel(x, y), before.pixel(x, y));
                }
            }
        }
    }

    void theWheelBoxCarriesOneBallFromPocketToPocket() {
        quendra::app::WheelBox box(978, 695);
        QCOMPARE(box.objectName(), QString("Kesselbox"));
        box.loadTable(quendra::TableType::French);
        QVERIFY(box.ball() != nullptr);
        QCOMPARE(box.ball()->frameCount(), 1);
        QCOMPARE(box.ball()->frameSize(), QSize(13, 13));
        const QImage wheel = quendra::app::loadPicture(u"KESSEL4F");
        QCOMPARE(box.shownPicture(), wheel.convertToFormat(QImage::Format_RGB32));

        const WheelPoint first = quendra::ballPosition(quendra::TableType::French, 19);
        const WheelPoint second = quendra::ballPosition(quendra::TableType::French, 1);
        box.placeBall(first);
        const QImage ball = quendra::app::loadPicture(u"KUGEL1");
        const QPoint centre(6, 6);
        QCOMPARE(box.shownPicture().pixel(QPoint(first.x, first.y) + centre),
                 ball.pixel(QPoint(1, 1) + centre));
        box.moveBall(first, second);
        QCOMPARE(box.shownPicture().pixel(QPoint(second.x, second.y) + centre),
                 ball.pixel(QPoint(1, 1) + centre));
        // The pocket the ball left shows the wheel again.
        const QRect left(first.x, first.y, 13, 13);
        QCOMPARE(box.shownPicture().copy(left), wheel.copy(left));
    }
};

QTEST_MAIN(TestSprite)
#include "tst_sprite.moc"
