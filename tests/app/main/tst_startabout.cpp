// The start screen closes itself after its time; the about box: its size, texts, colour and
// the ways it closes.
#include "help/TAboutBox.h"
#include "main/Pictures.h"
#include "main/Tstart_bildschirm.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using quendra::Language;
using quendra::app::TAboutBox;
using quendra::app::Tstart_bildschirm;

class TestStartAbout : public QObject {
    Q_OBJECT

private slots:
    void theStartScreenShowsTheStartPictureAndClosesItself() {
        Tstart_bildschirm screen(nullptr, 150);
        QCOMPARE(screen.objectName(), QString("Tstart_bildschirm"));
        QVERIFY(screen.windowFlags().testFlag(Qt::FramelessWindowHint));
        auto* display = screen.findChild<QLabel*>("display_screen");
        QVERIFY(display != nullptr);
        QCOMPARE(display->pixmap().toImage(), quendra::app::loadPicture(u"SETUP"));
        QCOMPARE(screen.size(), QSize(520, 316));

        QElapsedTimer shown;
        shown.start();
        bool visibleMeanwhile = false;
        QTimer::singleShot(0, &screen, [&] { visibleMeanwhile = screen.isVisible(); });
        screen.exec(); // returns when the screen has closed itself
        QVERIFY(visibleMeanwhile);
        QVERIFY(shown.elapsed() >= 140);
        QVERIFY(!screen.isVisible());
    }

    void theAboutBoxHasItsSizeTextsAndColour() {
        TAboutBox box(Language::German);
        QCOMPARE(box.objectName(), QString("TAboutBox"));
        QCOMPARE(box.size(), QSize(325, 216));
        QCOMPARE(box.minimumSize(), box.maximumSize());

        auto* name = box.findChild<QLabel*>("ProductName");
        QVERIFY(name != nullptr);
        QCOMPARE(name->text(), QString("QUENDRA"));
        QCOMPARE(name->font().family(), QString("Arial Black"));
        QCOMPARE(name->font().pointSize(), 12);
        QVERIFY(name->font().bold());
        QCOMPARE(box.findChild<QLabel*>("Version")->text(), QString("Version 3.8 W/M"));

        auto* icon = box.findChild<QLabel*>("ProgramIcon");
        QVERIFY(icon != nullptr);
        QCOMPARE(icon->size(), QSize(123, 99));
        QVERIFY(icon->hasScaledContents());

        const QImage picture = quendra::app::loadPicture(u"PROGRAMM");
        QCOMPARE(box.palette().color(QPalette::Window), picture.pixelColor(2, 2));

        auto* ok = box.findChild<QPushButton*>("OKButton");
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->text(), QString("&OK"));
        QVERIFY(ok->isDefault());
    }

    void theAboutBoxClosesOnOkAndOnEscape() {
        for (bool escape : {false, true}) {
            TAboutBox box(Language::English);
            box.show();
            QVERIFY(QTest::qWaitForWindowExposed(&box));
            auto* ok = box.findChild<QPushButton*>("OKButton");
            if (escape) {
                QTest::keyClick(ok, Qt::Key_Escape);
            } else {
                QTest::mouseClick(ok, Qt::LeftButton);
            }
            QTRY_VERIFY(!box.isVisible());
            QCOMPARE(box.result(), escape ? int(QDialog::Rejected) : int(QDialog::Accepted));
        }
    }
};

QTEST_MAIN(TestStartAbout)
#include "tst_startabout.moc"
