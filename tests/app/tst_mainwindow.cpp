// The main window's start-up: settings and table loaded, error 7 ends the program, settings
// written back at the end.
#include "MainWindow.h"
#include "QtSettingsStore.h"

#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;

    void copyWheelFiles() {
        for (const char* name : {"EIGENPR.VER", "EIGENPRA.VER"}) {
            QFile::remove(home.filePath(name));
            QVERIFY(QFile::copy(QString(QUENDRA_BIN_DIR) + "/" + name, home.filePath(name)));
        }
    }

private slots:
    void init() { copyWheelFiles(); }

    void startsWithTheStoredTableAndWritesTheSettingsBack() {
        quendra::app::QtSettingsStore store(home.filePath("settings.ini"));
        store.write("Einstellungen", "Tisch", "1");
        store.write("Daten", "DisplayCol", "1");
        quendra::app::MainWindow window(store, home.path().toStdString());
        window.show();
        QTRY_VERIFY(window.started());
        QCOMPARE(window.objectName(), QString("THaupt"));
        QCOMPARE(window.size(), QSize(978, 695));
        QVERIFY(!window.game().state().table.FrenchTable);
        QCOMPARE(window.game().state().table.PocketCount, 38);

        store.write("Einstellungen", "Tisch", "");
        window.close();
        QCOMPARE(store.read("Einstellungen", "Tisch"), std::optional<std::string>("1"));
    }

    void aMissingWheelFileShowsError7AndClosesTheWindow() {
        QVERIFY(QFile::remove(home.filePath("EIGENPR.VER")));
        quendra::app::QtSettingsStore store(home.filePath("settings-missing.ini"));
        quendra::app::MainWindow window(store, home.path().toStdString());
        QString shown;
        QTimer watcher;
        QObject::connect(&watcher, &QTimer::timeout, [&shown] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->text();
                box->accept();
            }
        });
        watcher.start(10);
        window.show();
        QTRY_VERIFY(!shown.isEmpty());
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(!window.started());
        QVERIFY(shown.endsWith("EIGENPR.VER\nInterne Steuerdatei nicht vorhanden!"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
