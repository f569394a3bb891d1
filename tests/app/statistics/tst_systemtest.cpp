// The Systemtest window TSystemtest: a run on worker threads fills the table of figures and the
// histogram with the engine's figures, a cancelled run shows the sessions it finished, a game
// without a system player starts no run, and the window's texts follow the language.
#ifndef Q_MOC_RUN
#include "AppTestGame.h"
#include "game/StartUp.h"
#include "sessions/SessionFigures.h"
#include "statistics/StatisticsChart.h"
#include "statistics/TSystemtest.h"
#endif

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <numeric>

using quendra::app::StatisticsChart;
using quendra::app::TSystemtest;

class TestSystemtest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir home;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    // A program folder with the wheel data files, player 1 playing a piece on red.
    void makeGame(bool withSystem) {
        for (const char* wheel : {"EIGENPR.VER", "EIGENPRA.VER"}) {
            QFile::remove(home.filePath(wheel));
            QVERIFY(QFile::copy(QString(QUENDRA_BIN_DIR) + "/" + wheel, home.filePath(wheel)));
        }
        QDir(home.path()).mkpath("SYSTEM");
        QFile system(home.filePath("SYSTEM/FLAT.SYF"));
        QVERIFY(system.open(QIODevice::WriteOnly));
        system.write("AL:\r\nSZ EI1(1), EC03;\r\n");
        system.close();
        host = std::make_unique<quendra::apptest::TestHost>();
        game = std::make_unique<quendra::Game>(*host, 3);
        quendra::initialiseGameState(game->state(), home.path().toStdString());
        game->state().settings.PlayerCount = 2;
        if (withSystem) {
            game->state().player(1).sys.SystemFile = system.fileName().toStdString();
        }
    }

    static void setUpRun(TSystemtest& window, int sessions, int coups) {
        window.findChild<QSpinBox*>("Sessions")->setValue(sessions);
        window.findChild<QSpinBox*>("Coups")->setValue(coups);
        window.findChild<QLineEdit*>("Seed")->setText("11");
    }

    static QString figure(const TSystemtest& window, int row, int player) {
        return window.findChild<QTableWidget*>("Figures")->item(row, player - 1)->text();
    }

private slots:
    void init() { makeGame(true); }

    void aRunShowsTheFiguresAndTheHistogramOfTheEngine() {
        TSystemtest window(*game);
        setUpRun(window, 60, 30);
        QSignalSpy finished(&window, &TSystemtest::finished);
        window.findChild<QPushButton*>("StartButton")->click();
        QVERIFY(window.running());
        QVERIFY(!window.findChild<QPushButton*>("StartButton")->isEnabled());
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        QCOMPARE(window.run().sessions.size(), std::size_t{60});

        const auto figures = quendra::sessionFigures(window.run());
        auto* table = window.findChild<QTableWidget*>("Figures");
        QCOMPARE(table->columnCount(), 2);
        QCOMPARE(table->verticalHeaderItem(0)->text(), QString("Sitzungen"));
        QCOMPARE(figure(window, 0, 1), QString("60"));
        QCOMPARE(figure(window, 1, 1), QString::number(figures[0].mean, 'f', 2));
        QCOMPARE(figure(window, 0, 2), QString("60"));
        QCOMPARE(window.findChild<QProgressBar*>("Progress")->value(), 60);

        const auto* chart = window.findChild<StatisticsChart*>("Chart");
        const QList<qreal>& counts = chart->values(0);
        QCOMPARE(std::accumulate(counts.begin(), counts.end(), 0.0), 60.0);
        QCOMPARE(chart->values(1).size(), counts.size());
        QVERIFY(std::any_of(chart->values(1).begin(), chart->values(1).end(),
                            [](qreal mark) { return mark > 0; }));
    }

    void aCancelledRunShowsTheSessionsItFinished() {
        TSystemtest window(*game);
        setUpRun(window, 1'000'000, 20);
        QSignalSpy finished(&window, &TSystemtest::finished);
        window.findChild<QPushButton*>("StartButton")->click();
        QTest::qWait(200);
        window.findChild<QPushButton*>("CancelButton")->click();
        QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 60000);
        const std::size_t done = window.run().sessions.size();
        QVERIFY(done < 1'000'000);
        QCOMPARE(figure(window, 0, 1), QString::number(done));
        QVERIFY(window.findChild<QPushButton*>("StartButton")->isEnabled());
    }

    void withoutASystemPlayerNoRunStarts() {
        makeGame(false);
        TSystemtest window(*game);
        window.findChild<QPushButton*>("StartButton")->click();
        QVERIFY(!window.running());
        QCOMPARE(window.findChild<QLabel*>("Status")->text(),
                 QString("Kein Spieler spielt ein System."));
    }

    void theTextsFollowTheLanguage() {
        game->state().settings.Language = 1;
        TSystemtest window(*game);
        QCOMPARE(window.windowTitle(), QString("Systemtest"));
        QCOMPARE(window.findChild<QLabel*>("SessionsLabel")->text(), QString("Sessions"));
        QCOMPARE(window.findChild<QPushButton*>("CancelButton")->text(), QString("Cancel"));
        QCOMPARE(window.findChild<QPushButton*>("SaveButton")->text(), QString("Save as image"));
    }
};

QTEST_MAIN(TestSystemtest)
#include "tst_systemtest.moc"
