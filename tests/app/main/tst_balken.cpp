// The status bar TBalken on rendered pixels: fill, frame, clamping, the text layers and the cross.
#include "main/TBalken.h"

#include <QPaintEvent>
#include <QtTest>

using quendra::Language;
using quendra::TextKind;
using quendra::app::TBalken;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Yellow = qRgb(255, 255, 0); // white text XORed onto blue

// A wide bar with a clear font, filled blue on white.
void setUpBar(TBalken& bar, QSize size = {202, 24}) {
    bar.resize(size);
    QFont font("Arial");
    font.setPixelSize(14);
    font.setBold(true);
    bar.setFont(font);
    bar.setForeColor(QColor(Blue));
    bar.setBackColor(QColor(White));
}

int count(const QImage& image, QRgb colour, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            n += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
        }
    }
    return n;
}

QRect inner(const TBalken& bar) {
    return QRect(1, 1, bar.width() - 2, bar.height() - 2);
}

bool frameIsBlack(const QImage& image) {
    const QRect r = image.rect();
    return count(image, Black, QRect(0, 0, r.width(), 1)) == r.width() &&
           count(image, Black, QRect(0, r.height() - 1, r.width(), 1)) == r.width() &&
           count(image, Black, QRect(0, 0, 1, r.height())) == r.height() &&
           count(image, Black, QRect(r.width() - 1, 0, 1, r.height())) == r.height();
}

class PaintCountingBar : public TBalken {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        TBalken::paintEvent(event);
    }
};

} // namespace

class TestBalken : public QObject {
    Q_OBJECT

private slots:
    void defaults() {
        TBalken bar;
        QCOMPARE(bar.size(), QSize(100, 100));
        QCOMPARE(bar.minValue(), 0);
        QCOMPARE(bar.maxValue(), 100);
        QCOMPARE(bar.progress(), 0);
        QCOMPARE(bar.textKind(), TextKind::gkMakeBet);
        QVERIFY(bar.showText());
        QCOMPARE(bar.borderStyle(), TBalken::BorderStyle::bsSingle);
        QCOMPARE(bar.foreColor(), QColor(Qt::black));
        QCOMPARE(bar.backColor(), QColor(Qt::white));
    }

    void equalMinimumAndMaximumShowAnEmptyBarWithItsText() {
        TBalken bar;
        setUpBar(bar);
        bar.setMaxValue(5);
        bar.setMinValue(5);
        bar.setProgress(5);
        QCOMPARE(bar.percentDone(), 0);
        const QImage image = bar.render();
        QVERIFY(frameIsBlack(image));
        QCOMPARE(count(image, Blue, inner(bar)), 0);
        // The white text XORed onto the white bar shows black.
        QVERIFY(count(image, Black, inner(bar)) > 20);
        QCOMPARE(bar.shownText(), QString("Machen Sie Ihr Spiel!"));
    }

    void progressAboveTheMaximumIsStoredAsTheMaximumAndFillsTheBar() {
        TBalken bar;
        setUpBar(bar);
        bar.setTextKind(TextKind::gkNone);
        bar.setProgress(250);
        QCOMPARE(bar.progress(), 100);
        QCOMPARE(bar.percentDone(), 100);
        const QImage image = bar.render();
        QVERIFY(frameIsBlack(image));
        QCOMPARE(count(image, Blue, inner(bar)), inner(bar).width() * inner(bar).height());
    }

    void progressIsClampedAndFollowsNewBounds() {
        TBalken bar;
        bar.setProgress(-7);
        QCOMPARE(bar.progress(), 0);
        bar.setProgress(40);
        bar.setMinValue(60);
        QCOMPARE(bar.progress(), 60);
        bar.setMaxValue(200);
        bar.setProgress(150);
        bar.setMaxValue(120);
        QCOMPARE(bar.progress(), 120);
        bar.setMinValue(10);
        QCOMPARE(bar.progress(), 120);
        // A minimum above the maximum must neither crash nor report more than a full bar.
        bar.setMinValue(500);
        bar.setProgress(300);
        QVERIFY(bar.percentDone() >= 0 && bar.percentDone() <= 100);
    }

    // The filled part ends at x = share of (bar width + 1), a coordinate of the control: with
    // the frame, a part bar falls one pixel short and a full bar reaches the frame.
    void theFilledPartEndsWhereTheShareOfTheWidthSays_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("progress");
        QTest::addColumn<bool>("framed");
        QTest::addColumn<int>("filledColumns");
        QTest::newRow("half, framed") << 102 << 50 << true << 49;    // x = 101 × 0.5 = 50
        QTest::newRow("1 %, framed") << 102 << 1 << true << 0;       // x = 1 is the bar's edge
        QTest::newRow("2 %, framed") << 102 << 2 << true << 1;       // x = 2
        QTest::newRow("99 %, framed") << 102 << 99 << true << 98;    // x = 99
        QTest::newRow("full, framed") << 102 << 100 << true << 100;  // the whole bar
        QTest::newRow("half, unframed") << 100 << 50 << false << 50; // x = 101 × 0.5 = 50
        QTest::newRow("full, unframed") << 100 << 100 << false << 100;
        QTest::newRow("truncated share") << 52 << 33 << true << 15; // x = 51 × 0.33 = 16
    }

    void theFilledPartEndsWhereTheShareOfTheWidthSays() {
        QFETCH(int, width);
        QFETCH(int, progress);
        QFETCH(bool, framed);
        QFETCH(int, filledColumns);
        TBalken bar;
        setUpBar(bar, {width, 10});
        bar.setTextKind(TextKind::gkNone);
        bar.setBorderStyle(framed ? TBalken::BorderStyle::bsSingle : TBalken::BorderStyle::bsNone);
        bar.setProgress(progress);
        const QImage image = bar.render();
        const int row = image.height() / 2;
        QCOMPARE(count(image, Blue, QRect(0, row, width, 1)), filledColumns);
        if (filledColumns > 0) {
            QCOMPARE(image.pixel(framed ? 1 : 0, row), Blue);
        }
    }

    void noneShowsNoTextAndFreeValueShowsTheNumber() {
        TBalken bar;
        setUpBar(bar);
        bar.setBackColor(QColor(0, 0, 128)); // the amount bars are dark: their text stays white
        bar.setFreeValue(12345);

        bar.setTextKind(TextKind::gkNone);
        QCOMPARE(bar.shownText(), QString());
        QCOMPARE(count(bar.render(), White, inner(bar)), 0);

        bar.setTextKind(TextKind::gkFreeValue);
        QCOMPARE(bar.shownText(), QString("12345"));
        const QImage image = bar.render();
        const int white = count(image, White, inner(bar));
        QVERIFY(white > 20);
        // Centred: as much white left of the middle as right of it, give or take a stroke.
        const int left = count(image, White, QRect(1, 1, bar.width() / 2 - 1, bar.height() - 2));
        QVERIFY2(std::abs(2 * left - white) < white / 4, qPrintable(QString::number(left)));
    }

    void aBarOfNoSizeRendersNothing() {
        TBalken bar;
        bar.resize(0, 0);
        bar.setProgress(50);
        QVERIFY(bar.render().isNull());
    }

    void textInvertsOnTheFilledPartExceptAmountsAndSystem_data() {
        QTest::addColumn<TextKind>("kind");
        QTest::addColumn<QRgb>("textColour");
        QTest::newRow("game phase") << TextKind::gkMakeBet << Yellow;
        QTest::newRow("player") << TextKind::gkSpieler3 << Yellow;
        QTest::newRow("amount") << TextKind::gkFreeValue << White;
        QTest::newRow("system") << TextKind::gkSystem << White;
    }

    void textInvertsOnTheFilledPartExceptAmountsAndSystem() {
        QFETCH(TextKind, kind);
        QFETCH(QRgb, textColour);
        TBalken bar;
        setUpBar(bar);
        bar.setTextKind(kind);
        bar.setFreeValue(777);
        bar.setProgress(100);
        const QImage image = bar.render();
        QVERIFY(count(image, textColour, inner(bar)) > 20);
        QCOMPARE(count(image, textColour == Yellow ? White : Yellow, inner(bar)), 0);
    }

    void theTextFollowsTheLanguage() {
        TBalken bar;
        bar.setTextKind(TextKind::gkSpielende);
        bar.setSpracheKind(Language::English);
        QCOMPARE(bar.shownText(), QString("Make of bet is over! "));
        bar.setSpracheKind(Language::German);
        QCOMPARE(bar.shownText(), QString("Nichts geht mehr!"));
        bar.setShowText(false);
        QCOMPARE(bar.shownText(), QString());
    }

    void aLockedBarShowsAWhiteCrossAndNoText() {
        TBalken bar;
        setUpBar(bar, {60, 30});
        bar.setBackColor(QColor(Black));
        bar.setGesperrt(true);
        const QImage image = bar.render();
        QCOMPARE(bar.shownText(), QString());
        // Both diagonals run from one pixel inside the left edge to one inside the right edge.
        QCOMPARE(image.pixel(2, 1), White);
        QCOMPARE(image.pixel(2, 28), White);
        QCOMPARE(image.pixel(57, 28), White);
        QCOMPARE(image.pixel(57, 1), White);
        QCOMPARE(image.pixel(30, 5), Black);
        QVERIFY(frameIsBlack(image));
    }

    void progressRepaintsOnlyWhenTheShownPercentageChanges() {
        PaintCountingBar bar;
        bar.setMaxValue(1000);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QTRY_VERIFY(bar.paints > 0);
        QTest::qWait(20);
        const int before = bar.paints;
        bar.setProgress(5); // still 0 %
        QTest::qWait(20);
        QCOMPARE(bar.paints, before);
        bar.setProgress(15); // 1 %
        QTRY_COMPARE(bar.paints, before + 1);
    }
};

QTEST_MAIN(TestBalken)
#include "tst_balken.moc"
