// The chip TChetonS on rendered pixels: the doubled outlines of each shape and the value on it.
#include "main/TChetonS.h"

#include <QPainter>
#include <QtTest>

using quendra::app::TChetonS;

namespace {

const QColor Backdrop(0, 255, 0); // a colour no chip uses, where the chip draws nothing
const QColor Fill(255, 0, 255);
const QColor Outline(0, 0, 0);

QImage rendered(TChetonS& chip) {
    QImage image(chip.size(), QImage::Format_RGB32);
    image.fill(Backdrop);
    QPainter painter(&image);
    chip.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

// Which of outline, fill and backdrop the pixel shows: antialiased outlines blend a little
// into their neighbours, but each pixel stays nearest to what covers most of it.
QColor nearest(QRgb pixel) {
    auto distance = [pixel](const QColor& c) {
        return std::abs(qRed(pixel) - c.red()) + std::abs(qGreen(pixel) - c.green()) +
               std::abs(qBlue(pixel) - c.blue());
    };
    QColor best = Outline;
    for (const QColor& candidate : {Fill, Backdrop}) {
        if (distance(candidate) < distance(best)) {
            best = candidate;
        }
    }
    return best;
}

bool near(QRgb pixel, const QColor& colour) {
    return nearest(pixel) == colour;
}

void setUpChip(TChetonS& chip, TChetonS::TShapeType shape, QSize size) {
    chip.resize(size);
    chip.setShape(shape);
    chip.setBrush(Fill);
    chip.setPen(QPen(Outline, 1));
}

} // namespace

class TestChip : public QObject {
    Q_OBJECT

private slots:
    void defaults() {
        TChetonS chip;
        QCOMPARE(chip.size(), QSize(65, 65));
        QCOMPARE(chip.shape(), TChetonS::stRectangle);
        QVERIFY(!chip.showValue());
    }

    void aSmallCircleChipDrawsTwoConcentricCirclesAndItsValueCentred() {
        TChetonS chip;
        setUpChip(chip, TChetonS::stCircle, {22, 22});
        chip.setChetvalue(7);
        chip.setShowValue(true);
        const QImage image = rendered(chip);

        // Across the middle, and down it: backdrop, outer circle, fill, inner circle, fill ...
        // symmetrically on both sides (the circles span pixels 0-20 and 2-18).
        struct Probe {
            int offset;
            QColor colour;
        };
        const Probe probes[] = {{0, Outline},  {1, Fill},  {2, Outline},  {3, Fill},     {17, Fill},
                                {18, Outline}, {19, Fill}, {20, Outline}, {21, Backdrop}};
        for (const Probe& probe : probes) {
            QVERIFY2(near(image.pixel(probe.offset, 10), probe.colour),
                     qPrintable(QString("row: x %1").arg(probe.offset)));
            QVERIFY2(near(image.pixel(10, probe.offset), probe.colour),
                     qPrintable(QString("column: y %1").arg(probe.offset)));
        }
        QVERIFY(near(image.pixel(0, 0), Backdrop));
        QVERIFY(near(image.pixel(21, 21), Backdrop));

        // The value: dark pixels inside the inner circle, centred on the chip.
        QRect text;
        for (int y = 4; y <= 16; ++y) {
            for (int x = 4; x <= 16; ++x) {
                if (qGray(image.pixel(x, y)) < 60) {
                    text |= QRect(x, y, 1, 1);
                }
            }
        }
        QVERIFY(!text.isEmpty());
        const QPointF centre = QRectF(text).center();
        QVERIFY2(std::abs(centre.x() - 11) <= 2 && std::abs(centre.y() - 11) <= 2,
                 qPrintable(QString("text centred at %1, %2").arg(centre.x()).arg(centre.y())));
    }

    void withoutShowValueTheChipIsBlank() {
        TChetonS chip;
        setUpChip(chip, TChetonS::stCircle, {22, 22});
        chip.setChetvalue(7);
        const QImage image = rendered(chip);
        for (int x = 4; x <= 16; ++x) {
            QCOMPARE(QColor(image.pixel(x, 10)), Fill);
        }
    }

    // Rectangles draw a second outline 2 pixels in at the sides and 1 at top and bottom;
    // squares, round squares and circles sit centred in a control that is not square.
    void shapesSitWhereTheirBoxesSay_data() {
        QTest::addColumn<int>("shape");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("outline");
        QTest::addColumn<QPoint>("outside");
        QTest::newRow("rectangle: outer left")
            << int(TChetonS::stRectangle) << QSize(40, 20) << QPoint(0, 10) << QPoint(-1, -1);
        QTest::newRow("rectangle: inner left")
            << int(TChetonS::stRectangle) << QSize(40, 20) << QPoint(2, 10) << QPoint(-1, -1);
        QTest::newRow("rectangle: inner top")
            << int(TChetonS::stRectangle) << QSize(40, 20) << QPoint(20, 1) << QPoint(-1, -1);
        QTest::newRow("rectangle: outer right")
            << int(TChetonS::stRectangle) << QSize(40, 20) << QPoint(38, 10) << QPoint(39, 10);
        QTest::newRow("square centred")
            << int(TChetonS::stSquare) << QSize(41, 21) << QPoint(10, 10) << QPoint(9, 10);
        QTest::newRow("circle centred")
            << int(TChetonS::stCircle) << QSize(41, 21) << QPoint(10, 10) << QPoint(9, 10);
        QTest::newRow("round square centred")
            << int(TChetonS::stRoundSquare) << QSize(41, 21) << QPoint(10, 10) << QPoint(9, 10);
        QTest::newRow("ellipse fills the width")
            << int(TChetonS::stEllipse) << QSize(41, 21) << QPoint(0, 10) << QPoint(20, 21 - 1);
    }

    void shapesSitWhereTheirBoxesSay() {
        QFETCH(int, shape);
        QFETCH(QSize, size);
        QFETCH(QPoint, outline);
        QFETCH(QPoint, outside);
        TChetonS chip;
        setUpChip(chip, TChetonS::TShapeType(shape), size);
        const QImage image = rendered(chip);
        QVERIFY(near(image.pixel(outline), Outline));
        if (outside.x() >= 0) {
            QVERIFY(near(image.pixel(outside), Backdrop));
        }
    }

    void aWiderPenStaysInsideTheChip() {
        TChetonS chip;
        setUpChip(chip, TChetonS::stCircle, {30, 30});
        chip.setPen(QPen(Outline, 4));
        const QImage image = rendered(chip);
        QVERIFY(near(image.pixel(0, 15), Outline));
        QVERIFY(near(image.pixel(3, 15), Outline));
        QVERIFY(near(image.pixel(7, 15), Fill)); // inside the inner circle, which covers 2-5
        QVERIFY(near(image.pixel(29, 15), Outline));
        QVERIFY(near(image.pixel(15, 15), Fill));
    }
};

QTEST_MAIN(TestChip)
#include "tst_chip.moc"
