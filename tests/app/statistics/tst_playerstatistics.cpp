// The player statistics window TSpielerStat: each player's course in the chart as the engine
// computes it, the picked player's figures in both grids, the empty chart before the first
// coup, the language, copying the figures and printing the window.
#ifndef Q_MOC_RUN
#include "statistics/FigureGridView.h"
#include "statistics/PlayerStatistics.h"
#include "statistics/StatisticsChart.h"
#include "statistics/StatisticsExport.h"
#include "statistics/StatisticsTestSupport.h"
#include "statistics/TSpielerStat.h"
#endif

#include <QClipboard>
#include <QComboBox>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using quendra::Language;
using quendra::app::FigureGridView;
using quendra::app::StatisticsChart;
using quendra::app::TSpielerStat;

class TestPlayerStatistics : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder;
    std::unique_ptr<quendra::apptest::TestHost> host;
    std::unique_ptr<quendra::Game> game;

    quendra::GameState& state() { return game->state(); }

    // Two players: player 1 loses 30 over 8 coups staking 10 each, player 2 wins once.
    void playEightCoups() {
        const std::int32_t wins1[] = {0, 20, 0, 0, 20, 0, 0, 10};
        for (std::int32_t win : wins1) {
            quendra::apptest::playPlayerCoup(state(), {10, 5}, {win, win == 10 ? 20 : 0});
        }
    }

    static QString cell(const TSpielerStat& window, const char* grid, int column) {
        return QString::fromStdString(
            window.findChild<FigureGridView*>(grid)->grid().cells.at(column).value);
    }

    // Both grids show the engine's figures of the player.
    void verifyGridsOf(const TSpielerStat& window, int player) {
        const quendra::PlayerInfoGrids expected = quendra::playerInfoGrids(
            state(), state().statistics.playerResults, player, state().language());
        const auto cellsOf = [](const quendra::PlayerInfoRow& row) {
            std::vector<quendra::FigureCell> cells;
            for (const quendra::PlayerInfoColumn& column : row) {
                cells.push_back({column.label, column.value, false});
            }
            return cells;
        };
        QVERIFY(window.findChild<FigureGridView*>("SpielerInfo_GR")->grid().cells ==
                cellsOf(expected.results));
        QVERIFY(window.findChild<FigureGridView*>("SpielerInfo_GR1")->grid().cells ==
                cellsOf(expected.figures));
    }

private slots:
    void init() {
        host = std::make_unique<quendra::apptest::TestHost>();
        // Printouts carry the date of the game's clock.
        host->clock = std::chrono::sys_days{std::chrono::year{2026} / 3 / 7};
        game = std::make_unique<quendra::Game>(*host);
        quendra::apptest::setUpBetting(*game, quendra::TableType::French);
        state().settings.PlayerCount = 2;
        state().settings.ShowPieces = true;
    }

    void chartsEveryPlayersCourseAndShowsThePickedPlayersFigures() {
        playEightCoups();
        TSpielerStat window(*game);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.windowTitle(), QString("Spieler Statistik"));
        QCOMPARE(window.size(), QSize(1005, 692));

        auto* chart = window.findChild<StatisticsChart*>("Chartfx1");
        QCOMPARE(chart->geometry(), QRect(8, 8, 985, 561));
        QCOMPARE(chart->seriesCount(), 4);
        QCOMPARE(chart->values(0), (QList<qreal>{-10, 0, -10, -20, -10, -20, -30, -30}));
        QCOMPARE(chart->values(1), (QList<qreal>{-5, -10, -15, -20, -25, -30, -35, -20}));
        // Players beyond the player count are charted too, at 0.
        QCOMPARE(chart->values(3), QList<qreal>(8, 0.0));
        QCOMPARE(chart->valueMinimum(), -36.0);
        QCOMPARE(chart->valueMaximum(), 1.0);

        auto* players = window.findChild<QComboBox*>("Spieler_CB");
        QCOMPARE(players->count(), 4);
        QCOMPARE(players->itemText(3), QString("Spieler 4"));
        QCOMPARE(players->currentIndex(), 0);
        verifyGridsOf(window, 1);
        QCOMPARE(cell(window, "SpielerInfo_GR", 1), QString("-30")); // Minimum
        QCOMPARE(cell(window, "SpielerInfo_GR", 2), QString("0"));   // Maximum
        QCOMPARE(cell(window, "SpielerInfo_GR", 3), QString("-16")); // -130 div 8
        QCOMPARE(cell(window, "SpielerInfo_GR", 6), QString("-37.50%"));
        QCOMPARE(cell(window, "SpielerInfo_GR1", 1), QString("80"));    // Umsatz
        QCOMPARE(cell(window, "SpielerInfo_GR1", 3), QString("8"));     // Coups
        QCOMPARE(cell(window, "SpielerInfo_GR1", 6), QString("-3.75")); // Saldo/Coups
        QCOMPARE(state().statistics.playerResults[0].PlayerMinimum, -30);

        // Player 3 sits out: his balance figures read 0, his capital as it is.
        players->setCurrentIndex(2);
        verifyGridsOf(window, 3);
        QCOMPARE(cell(window, "SpielerInfo_GR1", 0), QString("Spieler 3"));
        QCOMPARE(cell(window, "SpielerInfo_GR1", 4), QString("1000"));
        QCOMPARE(cell(window, "SpielerInfo_GR1", 5), QString("0"));
        QCOMPARE(cell(window, "SpielerInfo_GR1", 6), QString("0"));
        QCOMPARE(cell(window, "SpielerInfo_GR", 6), QString("0%"));
    }

    void beforeTheFirstCoupOneEmptySeriesAndTheAxisAroundZero() {
        state().settings.ShowPieces = false;
        state().settings.PieceValue = 5;
        state().settings.Language = 1;
        TSpielerStat window(*game);
        window.show();
        QCOMPARE(window.windowTitle(), QString("Player statistic"));
        auto* chart = window.findChild<StatisticsChart*>("Chartfx1");
        QCOMPARE(chart->seriesCount(), 1);
        QVERIFY(chart->values(0).isEmpty());
        QCOMPARE(chart->valueMinimum(), -5.0);
        QCOMPARE(chart->valueMaximum(), 5.0);
        QCOMPARE(window.findChild<QComboBox*>("Spieler_CB")->itemText(0), QString("Player 1"));
        QCOMPARE(window.findChild<FigureGridView*>("SpielerInfo_GR1")->grid().cells.at(1).label,
                 std::string("revenue"));
    }

    void aStatisticsResetClearsTheResultsShownBeforeTheNextCoup() {
        playEightCoups();
        {
            TSpielerStat window(*game);
            window.show();
        }
        QCOMPARE(state().statistics.playerResults[0].PlayerMinimum, -30);
        quendra::Stat_Reset(state().statistics);
        state().SpielerStatPos = 0;
        TSpielerStat window(*game);
        window.show();
        QCOMPARE(cell(window, "SpielerInfo_GR", 1), QString("0"));
    }

    void copyAndPrintThePickedPlayersFigures() {
        playEightCoups();
        TSpielerStat window(*game);
        window.show();
        window.findChild<QComboBox*>("Spieler_CB")->setCurrentIndex(1);
        QApplication::clipboard()->clear();
        QTest::mouseClick(window.findChild<QPushButton*>("Kopieren_Button"), Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(),
                 QString::fromStdString(quendra::tabSeparatedText(quendra::playerInfoGrids(
                     state(), state().statistics.playerResults, 2, Language::German))));

        const QString pdf = folder.filePath("players.pdf");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        QCOMPARE(window.print(printer), 1);
        QCOMPARE(quendra::apptest::pdfPageCount(pdf), 1);
        QVERIFY(quendra::apptest::pdfHasTitle(
            pdf, "Spieler Statistik  -  Französischer Tisch  -  07.03.2026"));
    }
};

QTEST_MAIN(TestPlayerStatistics)
#include "tst_playerstatistics.moc"
