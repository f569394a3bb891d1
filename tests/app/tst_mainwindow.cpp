// The main window as the user first sees it.
#include "MainWindow.h"

#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void opensWithItsSizeAndName() {
        quendra::app::MainWindow window;
        window.show();
        QCOMPARE(window.objectName(), QString("THaupt"));
        QCOMPARE(window.size(), QSize(978, 695));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
